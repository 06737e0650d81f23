// The Windows document's files: devices, pipes and folders are never opened nor replaced; a
// regular file is saved.
#include "app/win32/ZeltaroDoc.h"

#include <QtTest>

class TestWin32Files : public QObject {
    Q_OBJECT

private slots:
    void saveRefusesWhatIsNotAFile() {
        CreateNamedPipeW(L"\\\\.\\pipe\\zeltaro-test", PIPE_ACCESS_DUPLEX, 0, 1, 0, 0, 0, nullptr);
        CreateDirectoryW(L"folder", nullptr);
        for (const wchar_t* path : {L"NUL", L"CON", L"COM1", L"folder\\nul.txt",
                                    L"\\\\.\\pipe\\zeltaro-test", L"folder"}) {
            CZeltaroDoc doc;
            std::wstring error;
            QVERIFY(CZeltaroDoc::IsSpecialFile(path));
            QVERIFY(!doc.OnSaveDocument(path, &error) && !error.empty());
            QVERIFY(!doc.OnOpenDocument(path, &error) && doc.GetPathName().empty());
        }
        QVERIFY((GetFileAttributesW(L"folder") & FILE_ATTRIBUTE_DIRECTORY) != 0);
        std::wstring error;
        QVERIFY(!CZeltaroDoc::IsSpecialFile(L"new.zel"));
        QVERIFY(CZeltaroDoc().OnSaveDocument(L"new.zel", &error));
    }
};

QTEST_APPLESS_MAIN(TestWin32Files)
#include "test_win32_files.moc"
