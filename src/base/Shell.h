#pragma once

#include <QUrl>

// Opens a document, a web address or a mail address with the desktop's default handler.
class Shell {
public:
    virtual ~Shell() = default;
    // True when the desktop accepted the request; callers that may ignore failure do so.
    virtual bool Open(const QUrl& url) = 0;
};
