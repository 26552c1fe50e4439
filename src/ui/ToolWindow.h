#pragma once

#include <QDialog>
#include <QPointer>
#include <QRect>

namespace ui {

class SettingsStore;

// Where a window of outer size goes beside companion (both frames included) within area, and the size
// it takes there: right of it, else left of it, else below it, where it fits whole; else made
// narrower (right, then left) or lower (below), down to minimum; otherwise at its size where it covers
// least of the companion. Never off area, as far as the window is not larger than area.
QRect besidePlacement(QSize outer, QSize minimum, const QRect& companion, const QRect& area);

// A window of its own, as the tools are: no owner, so that the main window may come in front of it and
// it never hides it for good. The first time it opens beside its companion (the main window), where the
// screen has room; afterwards where the user left it, remembered in the settings under its object name
// from one run to the next. It closes when its companion closes.
class ToolWindow : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToolWindow)

public:
    ~ToolWindow() override;

    // The window it opens beside and closes with; not owned.
    void setCompanion(QWidget* companion);
    // Where its size and place are kept; not owned, and it must outlive the window or be set to null.
    void setSettings(SettingsStore* settings);
    // Shows it, or brings it to the front with the focus when it is open already.
    void present();
    // Stores its size and place now, as far as it has been shown.
    void rememberPlace();

protected:
    explicit ToolWindow(QWidget* parent = nullptr);

    // The size it would like when it opens the first time, where the screen has room for it.
    virtual QSize preferredSize();
    // What else of its layout it keeps, read as it opens the first time and stored with its place.
    virtual void restoreLayout(const SettingsStore& settings);
    virtual void rememberLayout(SettingsStore& settings);
    // The name under which a value of this window is kept: "<object name>/<name>".
    QString settingsKey(const QString& name) const;

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool restorePlace();
    void placeBeside();
    void keepOnScreen();

    QPointer<QWidget> companion_;
    SettingsStore* settings_ = nullptr;
    bool placed_ = false;
};

} // namespace ui
