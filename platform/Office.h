#pragma once

#include <QString>
#include <memory>

namespace platform
{

// One instance of the word processor, driven the way the programs drive Word's application
// object. Each member throws platform::Failure when the word processor refuses it.
class OfficeApplication
{
public:
    virtual ~OfficeApplication() = default;

    // Documents.Open: opens the file itself for editing; a template is opened as the template,
    // no new document is based on it.
    virtual void openDocument(const QString &path) = 0;
    // Visible and Activate: shows the instance's window and brings it to the front.
    virtual void setVisible(bool visible) = 0;
    virtual void activate() = 0;
    // Documents.Close with no arguments (the word processor asks about unsaved changes), then Quit.
    virtual void closeDocuments() = 0;
    virtual void quit() = 0;
};

// Creates word-processor instances (Word.Application). Callers hold an Office so that tests can
// replace it.
class Office
{
public:
    virtual ~Office() = default;

    // A new instance on each call; releasing it leaves its window and documents to the user.
    // Throws platform::Failure when the word processor cannot be started.
    virtual std::unique_ptr<OfficeApplication> createApplication() = 0;
};

} // namespace platform
