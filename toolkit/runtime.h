#pragma once

#include <QByteArray>
#include <QString>

namespace toolkit {

// Writes `bytes` to `path` as a whole or not at all: the bytes go to a
// temporary file beside the target, which replaces the target only once
// everything is on disk. An existing file is never left half-written or
// emptied. Returns an empty text on success, otherwise the reason.
QString writeFileAtomically(const QString& path, const QByteArray& bytes);

// The services of the running program that the windows use. The program
// uses these real ones; a test derives from it to observe message boxes,
// pick the directory files go to, and see the program asked to end.
class Runtime {
public:
    enum class Icon { Information, Warning };

    virtual ~Runtime() = default;

    // The directory of the program's file.
    virtual QString applicationDirectory() const;
    // Returns an empty text on success, otherwise the reason.
    virtual QString writeTextFile(const QString& path, const QByteArray& bytes);
    // A modal box with one OK button.
    virtual void showMessage(Icon icon, const QString& title, const QString& text);
    // Ends the program once the current event has been handled.
    virtual void end();
};

} // namespace toolkit
