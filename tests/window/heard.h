// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader hears while a Heard lives: the offscreen platform's accessibility switched
// on (it has no screen reader behind it; switched on, it hands every event to the handler) and
// each event of the toolkit kept with the name, role and state of what it is about, read at once,
// as a screen reader reads them.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <QList>
#include <QPointer>
#include <QString>

namespace windowtest {

struct HeardEvent {
  QAccessible::Event type;
  QPointer<QObject> object;
  int child = -1;
  QString name;
  QAccessible::Role role = QAccessible::NoRole;
};

class Heard {
 public:
  Heard() {
    Events().clear();
    before = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
      HeardEvent heard{event->type(), event->object(), event->child(), {}, {}};
      if (event->type() != QAccessible::ObjectDestroyed) {
        if (QAccessibleInterface* about = event->accessibleInterface()) {
          heard.name = about->text(QAccessible::Name);
          heard.role = about->role();
        }
      }
      Events().append(heard);
    });
    Bridge()->setActive(true);
  }
  ~Heard() {
    Bridge()->setActive(false);
    QAccessible::installUpdateHandler(before);
  }
  Heard(const Heard&) = delete;
  Heard& operator=(const Heard&) = delete;

  // The names of the focus events, in order; of those about `within` or a widget inside it, when
  // given.
  QStringList Focus(const QObject* within = nullptr) const {
    QStringList names;
    for (const HeardEvent& e : Events()) {
      if (e.type == QAccessible::Focus && Inside(e.object, within)) names << e.name;
    }
    return names;
  }
  // Every event of one kind, in order.
  QList<HeardEvent> Of(QAccessible::Event type) const {
    QList<HeardEvent> out;
    for (const HeardEvent& e : Events()) {
      if (e.type == type) out << e;
    }
    return out;
  }
  void Clear() { Events().clear(); }

  static QList<HeardEvent>& Events() {
    static QList<HeardEvent> events;  // the handler is a plain function
    return events;
  }

 private:
  static bool Inside(const QObject* object, const QObject* within) {
    if (within == nullptr) return true;
    for (const QObject* o = object; o != nullptr; o = o->parent()) {
      if (o == within) return true;
    }
    return false;
  }
  static QPlatformAccessibility* Bridge() {
    return QGuiApplicationPrivate::platformIntegration()->accessibility();
  }
  QAccessible::UpdateHandler before = nullptr;
};

}  // namespace windowtest
