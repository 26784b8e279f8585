#pragma once
// Folders another user could have made first where a program keeps its private files, planted
// for the tests of that check, and the environment that makes a program look for its private
// folder inside a test folder.

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

enum class PlantedFolder {
    ForeignOwned, // a folder of uid 65534, open to all (0777)
    LinkToFolder, // a link to a folder of the user's own
    OwnOpen,      // the user's own folder, open to all (0777): usable once made private
};

struct PlantedFolderCase {
    const char* name;
    PlantedFolder kind;
};

// The kinds a program must refuse, for tables of cases.
const std::vector<PlantedFolderCase>& refusedFolderCases();

// A case as failure messages print it, and as a test name ("link_to_a_folder").
void PrintTo(const PlantedFolderCase& c, std::ostream* os);
std::string caseTestName(const char* caseName);

// What `path` is now: owner, mode and link target, to show that a refusal left it alone.
QString folderState(const QString& path);

// Plants the folder at `path` (its parent exists). Returns why this machine cannot (a second
// user needs root), or "" once planted; a failed step is reported as a test failure.
QString plantFolder(PlantedFolder kind, const QString& path);

// While it lives: the user's cache folder is `cache` and the session names no runtime folder,
// so programs keep private files in `cache`/<their folder>.
class CacheFolderInTest {
public:
    explicit CacheFolderInTest(const QString& cache);
    ~CacheFolderInTest();
    CacheFolderInTest(const CacheFolderInTest&) = delete;
    CacheFolderInTest& operator=(const CacheFolderInTest&) = delete;

private:
    QByteArray cache_;
    QByteArray runtime_;
    bool hadCache_;
    bool hadRuntime_;
};

// While it lives: HOME is `home`, the base-folder variables (XDG_CACHE_HOME, XDG_CONFIG_HOME,
// XDG_RUNTIME_DIR) are unset but for those given, and the working folder is `working` when one
// is given; all as they were afterwards.
class SessionInTest {
public:
    SessionInTest(const QString& home, std::initializer_list<std::pair<const char*, QByteArray>> set,
                  const QString& working = {});
    ~SessionInTest();
    SessionInTest(const SessionInTest&) = delete;
    SessionInTest& operator=(const SessionInTest&) = delete;

private:
    struct Saved {
        const char* name;
        QByteArray value;
        bool wasSet;
    };
    std::vector<Saved> saved_;
    QString working_;
};
