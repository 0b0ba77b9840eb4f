// SPDX-License-Identifier: MIT
#pragma once

// The program's runtime services, as a test sees them: files go to a fresh
// temporary directory, message boxes are recorded instead of shown, the
// folder chooser answers with the folder a test sets, and a request to end
// the program is counted. File output is the real one.

#include "programservices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QVector>

#include <utility>

class FakeProgramServices : public toolkit::ProgramServices {
public:
    struct Message {
        Icon icon;
        QString title;
        QString text;
    };

    toolkit::ProgramDirectory applicationDirectory() const override { return {m_directory.path(), {}}; }

    void showMessage(Icon icon, const QString& title, const QString& text) override
    {
        messages.append({icon, title, text});
    }

    bool warnOfferingFolder(const QString& title, const QString& text) override
    {
        messages.append({Icon::Warning, title, text});
        ++folderOffers;
        return choosesFolder;
    }

    // Answers once, as a person would; asked again, it is cancelled.
    QString chooseFolder(const QString& title, const QString& startIn) override
    {
        chooserTitles.append(title);
        chooserStarts.append(startIn);
        return std::exchange(folderToChoose, QString());
    }

    void end() override { ++endRequests; }

    QString schemePath() const { return QDir(m_directory.path()).filePath(QStringLiteral("colors.DAT")); }

    QByteArray savedScheme() const
    {
        QFile file(schemePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList directoryEntries() const
    {
        return QDir(m_directory.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QVector<Message> messages;
    int folderOffers = 0;
    bool choosesFolder = false;  // the answer to a warning that offers a folder
    QString folderToChoose;      // the chooser's next answer; empty: cancelled
    QStringList chooserTitles;
    QStringList chooserStarts;
    int endRequests = 0;

private:
    QTemporaryDir m_directory;
};
