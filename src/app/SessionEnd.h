#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace app {

// Saves the catalogue when the session ends without the user closing the program: SIGTERM, SIGHUP
// or SIGINT, the session manager's shutdown, or a lost display connection (which Qt answers with
// exit()). A signal is only noted in its handler; the save runs from the event loop, then the
// program quits. Only one exists at a time.
class SessionEnd final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionEnd)

public:
    // save writes the catalogue without asking anything; it is called at most once.
    explicit SessionEnd(std::function<bool()> save, QObject* parent = nullptr);
    ~SessionEnd() override;

    // Saves, then ends every event loop with exitCode, or with 1 when the save failed.
    void end(int exitCode = 0);

private:
    // True when the one save went well.
    bool saveOnce();
    static void noteSignal(int signal);
    static void saveAtExit();

    std::function<bool()> save_;
    bool attempted_ = false;
    bool saved_ = false;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace app
