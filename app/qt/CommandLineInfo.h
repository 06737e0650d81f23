// What the command line asks of start-up: a document to open or none, help, the version, or
// nothing at all because it was mistyped.
#pragma once

#include <QString>
#include <QStringList>

struct CCommandLineInfo {
    enum ShellCommand { FileNew, FileOpen, ShowHelp, ShowVersion, Mistake };

    ShellCommand m_nShellCommand = FileNew;
    QString m_strFileName; // the document, for FileOpen
    QString m_strMessage;  // what to print: the help or the version, or what is wrong
};

// Reads the arguments, the program's name first and Qt's own options already taken out: at most
// one file, -h/--help, -v/--version, and "--" before a file whose name starts with a dash. An
// empty argument names no file. The parser's own words come from the application's GameWords.
CCommandLineInfo ParseCommandLine(const QStringList& arguments);

// Whether the command line, as the program received it, asks for the help or the version alone:
// text that needs no display.
bool AsksForTextOnly(int argc, const char* const argv[]);
