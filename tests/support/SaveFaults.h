#pragma once
// What the tests of saves under attack or cut short need: another process (or another user)
// exchanging two entries of a folder over and over, a process whose file system seems to offer
// no nameless files, and a save caught in the middle.

#include <QString>
#include <sys/types.h>

// The user another process of a test runs as, when the test runs as root.
constexpr uid_t kOtherUser = 65534;

// A second process that exchanges two entries of a folder over and over until it is stopped,
// as the user it is started as or as kOtherUser.
class EntryExchanger {
public:
    EntryExchanger() = default;
    EntryExchanger(const EntryExchanger&) = delete;
    EntryExchanger& operator=(const EntryExchanger&) = delete;
    ~EntryExchanger();

    // Returns 0 once the first exchange is done and the loop runs, or the errno that stopped it.
    int start(const QString& folder, const char* first, const char* second, bool asOtherUser);

private:
    pid_t child = -1;
};

// For this process, or a child between fork and exec (it lasts across exec): opening a nameless
// file (O_TMPFILE) fails as on a file system without them. False where it cannot be arranged.
bool refuseNamelessFiles();

// Waits until the process has a file open in the folder (a save's temporary file, nameless or
// not) and stops it there with SIGSTOP; true when it was caught so, with the file still open.
// Gives up after the timeout or when the process ends.
bool stopWhileWritingIn(pid_t pid, const QString& folder, int timeoutMs);
