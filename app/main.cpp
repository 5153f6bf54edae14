#include <QApplication>
#include <QMainWindow>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
      !std::getenv("QT_QPA_PLATFORM")) {
    std::fputs(
        "marrowleaf: no display found (DISPLAY is not set); run it on a desktop or under "
        "xvfb-run\n",
        stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Marrowleaf v0.02a"));
  window.show();
  return app.exec();
}
