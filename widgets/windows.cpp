// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/windows.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "widgets/announcer.h"

namespace {

class TEscapeCloses : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
      static_cast<QWidget*>(watched)->window()->close();
      return true;
    }
    return false;
  }
};

class TReturnToOwner : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide) {
      auto* window = static_cast<QWidget*>(watched);
      QWidget* owner =
          window->parentWidget() != nullptr ? window->parentWidget()->window() : nullptr;
      // After the toolkit and the window manager have dealt with the window's unmapping.
      if (owner != nullptr) {
        QMetaObject::invokeMethod(
            owner,
            [owner] {
              const QWidget* active = QApplication::activeWindow();
              if (owner->isVisible() && (active == nullptr || !active->isVisible())) {
                BringToFront(owner);
              }
            },
            Qt::QueuedConnection);
      }
    }
    return false;
  }
};

// A plain widget that is a window of its own: the toolkit would call it a filler.
class TWindowAccess : public QAccessibleWidget {
 public:
  explicit TWindowAccess(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
  QAccessible::Role role() const override {
    return widget()->isWindow() ? QAccessible::Window : QAccessible::Client;
  }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (qobject_cast<TAnnouncer*>(widget) != nullptr) {
    return new QAccessibleWidget(widget, QAccessible::Notification);
  }
  // Only the diary's own windows: classes made right on QWidget, asked for by their own name.
  const QMetaObject* own = widget->metaObject();
  if (widget->isWindow() && own->superClass() == &QWidget::staticMetaObject &&
      className == QLatin1String(own->className())) {
    return new TWindowAccess(widget);
  }
  return nullptr;
}

}  // namespace

void CloseOnEscape(QWidget* widget) { widget->installEventFilter(new TEscapeCloses(widget)); }

void ReturnToOwnerWhenHidden(QWidget* window) {
  window->installEventFilter(new TReturnToOwner(window));
}

void BringToFront(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

void PlaceBeside(QWidget& window, const QWidget& main) {
  const QRect frame = main.frameGeometry();
  const QRect room = main.screen()->availableGeometry();
  const QSize margins = main.frameGeometry().size() - main.size();
  // Narrower, down to two thirds of its width (and never below what it needs), where that lets
  // it stand beside rather than over.
  const int beside = std::max(room.right() - frame.right(), frame.left() - room.left());
  const int fits = beside - margins.width() - 1;
  const int least =
      std::max({window.minimumSizeHint().width(), window.minimumWidth(), window.width() * 2 / 3});
  if (window.width() > fits && fits >= least) window.resize(fits, window.height());
  const QSize outer = window.size() + margins;
  QPoint at(frame.center().x() - outer.width() / 2, frame.center().y() - outer.height() / 2);
  if (frame.right() + outer.width() < room.right()) {
    at = QPoint(frame.right() + 1, frame.top());
  } else if (frame.left() - outer.width() >= room.left()) {
    at = QPoint(frame.left() - outer.width(), frame.top());
  }
  at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - outer.width())));
  at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height())));
  window.move(at);
}

int TitleWidth(const QString& title) {
  // The frame's title is drawn by the window manager in a font of its own, often bold and a
  // little larger than the application's; its close, maximise and minimise buttons and the icon
  // take about four title heights.
  QFont font = QApplication::font();
  font.setBold(true);
  const QFontMetrics metrics(font);
  return metrics.horizontalAdvance(title) * 6 / 5 + 4 * metrics.height() +
         2 * metrics.averageCharWidth();
}

void InstallWindowAccess() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
}
