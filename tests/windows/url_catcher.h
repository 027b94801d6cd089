#pragma once
// Stands in for the desktop's browser in tests: QDesktopServices::setUrlHandler(scheme, &catcher,
// "open") makes every address the program opens land in `opened` instead.

#include <QList>
#include <QObject>
#include <QUrl>

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};
