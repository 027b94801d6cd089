#pragma once
// The website launcher: opens the owner's web address in the user's browser from a small
// borderless window, which unloads itself when its timer runs out (one second in the program).
// The window has nothing to show: asked to show itself, it keeps the program running until it
// has unloaded, and puts no empty box on the screen.

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QEventLoopLocker;
class QWidget;

namespace pelmora {

class WebsiteLauncher final : public QObject {
    Q_OBJECT
public:
    // The window's client area, 1830 x 1605 twips.
    static constexpr int kWidth = 122;
    static constexpr int kHeight = 107;
    static constexpr int kLifetimeMs = 1000;

    explicit WebsiteLauncher(int lifetimeMs = kLifetimeMs, QObject* parent = nullptr);
    ~WebsiteLauncher() override;

    // Loads the launcher window unless it is loaded: the load opens `address` in the browser ("http://"
    // put in front of a bare host name) and starts the timer that unloads the window again. While the
    // window is loaded a further request opens nothing; it only shows the window when asked.
    // A shown window stays off the screen.
    // Returns the loaded window.
    QWidget* open(const QString& address, bool show);

    // The loaded window, or nullptr once its timer has unloaded it (or before the first open()).
    QWidget* window() const { return window_; }

    // Whether the loaded window has been asked to show itself: the program does not end while it
    // is (it ends when the launcher has closed itself).
    bool isShown() const;

signals:
    // The timer has unloaded the window (it is closed and about to be deleted).
    void unloaded();

private:
    void onLifetimeOver();

    int lifetimeMs_;
    QPointer<QWidget> window_;
    std::unique_ptr<QEventLoopLocker> keepsProgramRunning_; // while shown
};

} // namespace pelmora
