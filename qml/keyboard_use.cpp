#include "keyboard_use.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <qqml.h>

void KeyboardUse::setTarget(QObject* target) {
    if (target == m_Target) return;
    if (m_Target) m_Target->removeEventFilter(this);
    m_Target = target;
    // The window's own events come first: a Tab never reaches the documents'
    // key handlers when the focused control moves the focus on by itself.
    if (m_Target) m_Target->installEventFilter(this);
    emit targetChanged();
}

bool KeyboardUse::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            // A modifier alone (Alt of Alt+F4, Shift before a click) is not yet
            // keyboard use.
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt &&
                key != Qt::Key_Meta && key != Qt::Key_AltGr)
                setActive(true);
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
            setActive(false);
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void KeyboardUse::setActive(bool active) {
    if (active == m_Active) return;
    m_Active = active;
    emit activeChanged();
}

namespace {

void registerKeyboardUse() { qmlRegisterType<KeyboardUse>("OrvoCheck", 1, 0, "KeyboardUse"); }

}  // namespace

// With the documents' resources, so that every program and test that can load
// the window knows the type before it does.
Q_COREAPP_STARTUP_FUNCTION(registerKeyboardUse)
