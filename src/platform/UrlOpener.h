#pragma once

#include <QUrl>

// Opens an address in the user's default handler (normally the web browser).
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    // False when no handler took the address.
    virtual bool open(const QUrl &url) = 0;
};
