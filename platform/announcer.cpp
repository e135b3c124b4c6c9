// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/announcer.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
namespace {

// Before Qt 6.8 the bridge has no announcements, and screen readers drop
// name and description changes it sends. What every one of them speaks is a
// focus move to an object it has not met, so each message is a new label
// under the control that, for the screen reader alone, takes the focus.
// The keyboard focus stays where it was.
class PassingLabel : public QAccessibleInterface {
  public:
    PassingLabel(QWidget &about, const QString &text) : about_(&about), text_(text) {}

    bool isValid() const override { return !about_.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return about_ ? about_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override {
        return about_ ? QAccessible::queryAccessibleInterface(about_.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text_ : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = true;
        return state;
    }

  private:
    QPointer<QWidget> about_;
    QString text_;
};

// A screen reader asks a label for its name a little after the event.
constexpr std::size_t labelsKept = 4;

} // namespace
#endif

bool ScreenReaderAnnouncer::listening() const {
    return QAccessible::isActive();
}

void ScreenReaderAnnouncer::announce(QWidget &about, const QString &text) {
    if (!listening() || text.isEmpty())
        return;
    QWindow *window = about.window()->windowHandle();
    if (window && window == QGuiApplication::focusWindow()) {
        speakNow(about, text);
        return;
    }
    // Said while a window closes in front (the name prompt, say), it would be
    // cut short by the screen reader's reading of the window that comes back.
    QPointer<QWidget> guard(&about);
    QObject::connect(
        qGuiApp, &QGuiApplication::focusWindowChanged, &about,
        [this, guard, text](QWindow *focused) {
            if (guard && focused && focused == guard->window()->windowHandle())
                speakNow(*guard, text);
        },
        Qt::SingleShotConnection);
}

void ScreenReaderAnnouncer::speakNow(QWidget &about, const QString &text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(&about, text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
#else
    auto *label = new PassingLabel(about, text);
    labels_.push_back(QAccessible::registerAccessibleInterface(label));
    QAccessibleEvent event(label, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
    if (labels_.size() > labelsKept) {
        QAccessible::deleteAccessibleInterface(labels_.front());
        labels_.erase(labels_.begin());
    }
#endif
}
