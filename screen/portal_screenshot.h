#pragma once
// A screenshot of every screen from the desktop portal (org.freedesktop.portal.Screenshot.Screenshot,
// not interactive), read from the file the portal wrote, which is then removed.

#include "screen/portal_request.h"

#include <QImage>
#include <QObject>

#include <chrono>
#include <optional>

namespace pelmora {

class PortalScreenshot : public QObject {
    Q_OBJECT
public:
    explicit PortalScreenshot(std::optional<QDBusConnection> bus = std::nullopt, QObject* parent = nullptr);

    void setAnswerTimeout(std::chrono::milliseconds timeout) { request_.setAnswerTimeout(timeout); }
    void setBusTimeout(std::chrono::milliseconds timeout) { request_.setBusTimeout(timeout); }
    // The bus the request went over, once it is open: a pick that follows need not greet it again.
    const std::optional<QDBusConnection>& bus() const { return request_.bus(); }

    // Asks the portal; exactly one of the signals follows, later, from the event loop.
    void start() { request_.start(); }

signals:
    void taken(const QImage& picture);
    void cancelled(); // by the user: nothing more to do
    // The portal would not or could not give a picture; `reason` is a clause of a sentence ("the
    // desktop portal did not answer within 15 s").
    void refused(const QString& reason);
    // No portal can be reached at all (no session bus, or one that does not answer).
    void failed(const QString& message);

private:
    void onAnswer(uint response, const QVariantMap& results);

    PortalRequest request_;
};

} // namespace pelmora
