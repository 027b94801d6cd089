#pragma once
// A one-line note in the band at the bottom of the main window, for what the user should know but
// need not answer (text that held no colour): it shows for a while and then clears itself, and
// never takes the focus or waits for a click. The whole text is its tool tip when it had to be cut.

#include <QLabel>
#include <QTimer>

#include <chrono>

namespace pelmora {

class StatusNote final : public QLabel {
    Q_OBJECT
public:
    explicit StatusNote(QWidget* parent = nullptr);

    void showNote(const QString& text);
    void clearNote();
    // How long a note stays; tests shorten it.
    void setShowTime(std::chrono::milliseconds time) { clearTimer_.setInterval(time); }

private:
    QTimer clearTimer_;
};

} // namespace pelmora
