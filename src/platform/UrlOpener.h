#pragma once

#include <QUrl>

// Opens an address in the user's default handler (normally the web browser).
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl &url) = 0;
};
