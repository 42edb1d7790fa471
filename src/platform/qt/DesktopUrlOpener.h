#pragma once

#include "platform/UrlOpener.h"

// Opens addresses through the desktop's default handlers.
class DesktopUrlOpener final : public UrlOpener
{
public:
    bool open(const QUrl &url) override;
};
