#pragma once

#include <QObject>
#include <QPointer>

// Whether the user is working the window with the keyboard: true from the
// first key pressed in the target window (Tab, Shift+Tab, an arrow, Space...),
// false again at the next mouse press or touch. The window shows its focus
// marks only while it is true, so a mouse user never sees a frame around the
// control that merely holds the focus, and a keyboard user sees every one.
//
// Available to the documents as OrvoCheck.KeyboardUse 1.0. Lives on the
// window's thread, like the window it watches.
class KeyboardUse : public QObject {
    Q_OBJECT
    Q_PROPERTY(QObject* target READ target WRITE setTarget NOTIFY targetChanged)
    Q_PROPERTY(bool active READ active NOTIFY activeChanged)
public:
    using QObject::QObject;

    QObject* target() const { return m_Target; }
    void setTarget(QObject* target);
    bool active() const { return m_Active; }

signals:
    void targetChanged();
    void activeChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setActive(bool active);

    QPointer<QObject> m_Target;
    bool m_Active = false;
};
