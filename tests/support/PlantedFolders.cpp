#include "PlantedFolders.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

const std::vector<PlantedFolderCase>& refusedFolderCases() {
    static const std::vector<PlantedFolderCase> cases{
        {"folder owned by another user", PlantedFolder::ForeignOwned},
        {"link to a folder", PlantedFolder::LinkToFolder},
    };
    return cases;
}

void PrintTo(const PlantedFolderCase& c, std::ostream* os) {
    *os << c.name;
}

std::string caseTestName(const char* caseName) {
    return QString::fromLatin1(caseName).replace(u' ', u'_').toStdString();
}

QString plantFolder(PlantedFolder kind, const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    switch (kind) {
    case PlantedFolder::ForeignOwned:
        if (::geteuid() != 0)
            return QStringLiteral("only root can make a folder owned by another user");
        EXPECT_EQ(::mkdir(native.constData(), 0777), 0);
        EXPECT_EQ(::chmod(native.constData(), 0777), 0); // past the umask
        EXPECT_EQ(::chown(native.constData(), 65534, 65534), 0);
        return {};
    case PlantedFolder::OwnOpen:
        EXPECT_EQ(::mkdir(native.constData(), 0777), 0);
        EXPECT_EQ(::chmod(native.constData(), 0777), 0);
        return {};
    case PlantedFolder::LinkToFolder: {
        const QString target = path + QStringLiteral(".target");
        EXPECT_TRUE(QDir().mkdir(target));
        EXPECT_EQ(::chmod(QFile::encodeName(target).constData(), 0700), 0);
        EXPECT_TRUE(QFile::link(target, path));
        return {};
    }
    }
    return {};
}

QString folderState(const QString& path) {
    struct stat seen {};
    if (::lstat(QFile::encodeName(path).constData(), &seen) != 0)
        return QStringLiteral("missing");
    QString state = QStringLiteral("uid %1 mode %2").arg(seen.st_uid).arg(seen.st_mode & 07777, 0, 8);
    if (S_ISLNK(seen.st_mode))
        state += QStringLiteral(" link to ") + QFile::symLinkTarget(path) + u' ' +
                 folderState(QFile::symLinkTarget(path));
    else if (S_ISDIR(seen.st_mode))
        state += QStringLiteral(" holding ") +
                 QDir(path)
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
                     .join(u',');
    return state;
}

CacheFolderInTest::CacheFolderInTest(const QString& cache)
    : cache_(qgetenv("XDG_CACHE_HOME")), runtime_(qgetenv("XDG_RUNTIME_DIR")),
      hadCache_(qEnvironmentVariableIsSet("XDG_CACHE_HOME")),
      hadRuntime_(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache));
    qunsetenv("XDG_RUNTIME_DIR");
}

CacheFolderInTest::~CacheFolderInTest() {
    if (hadCache_)
        qputenv("XDG_CACHE_HOME", cache_);
    else
        qunsetenv("XDG_CACHE_HOME");
    if (hadRuntime_)
        qputenv("XDG_RUNTIME_DIR", runtime_);
    else
        qunsetenv("XDG_RUNTIME_DIR");
}

SessionInTest::SessionInTest(const QString& home,
                             std::initializer_list<std::pair<const char*, QByteArray>> set,
                             const QString& working) {
    for (const char* name : {"HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"}) {
        saved_.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        qunsetenv(name);
    }
    qputenv("HOME", QFile::encodeName(home));
    for (const auto& [name, value] : set)
        qputenv(name, value);
    if (!working.isEmpty()) {
        working_ = QDir::currentPath();
        EXPECT_TRUE(QDir::setCurrent(working)) << qPrintable(working);
    }
}

SessionInTest::~SessionInTest() {
    for (const Saved& s : saved_) {
        if (s.wasSet)
            qputenv(s.name, s.value);
        else
            qunsetenv(s.name);
    }
    if (!working_.isEmpty())
        QDir::setCurrent(working_);
}
