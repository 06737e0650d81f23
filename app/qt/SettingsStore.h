// The per-user settings file: looked at once at start-up, before anything reads or writes it.
#pragma once

#include <QString>

#include <memory>

class QSettings;

class CSettingsStore {
public:
    // Where the user's settings live: the configuration folder, the organisation's folder in it,
    // and a file named after the program.
    static QString DefaultPath();

    // Takes the file at the path for this run. Something that is not a regular file is neither
    // read nor written; a file that Qt would not write back as it is, having read it, is first
    // kept beside itself, and then given what Qt read of it. Returns what the user should be
    // told of either, or nothing.
    QString Open(const QString& path);

    // The settings to read or write, or null when this run leaves the file alone.
    std::unique_ptr<QSettings> Settings() const;

private:
    QString KeepUnreadable(const QByteArray& rewritten);

    QString m_path; // empty while the file is left alone
};
