#pragma once

#include "platform/UrlOpener.h"

// Opens addresses through the desktop's default handlers.
class DesktopUrlOpener final : public UrlOpener
{
public:
    void open(const QUrl &url) override;
};
