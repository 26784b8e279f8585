#pragma once
// A path walked as the system would walk it, one part at a time, so that a link anywhere on
// the way counts, not only the last one. Each folder is opened without following links and
// held by descriptor; a link is read, and followed only when the rules allow it, by walking its
// target in its place. Whatever is done afterwards is done relative to a held descriptor:
// another user who swaps a folder on the path for a link once it was checked changes nothing,
// since the descriptor still names the folder that was checked.
//
// A link is followed only when the user (or the system) made it and it does not lie in a
// folder that every user may write to (a sticky folder such as /tmp). Its owner and its target
// are read from one descriptor of the link itself, so a link swapped in between the two reads
// is never followed.

#include <QString>
#include <utility>
#include <vector>

// Closes the file descriptor it holds when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd(std::exchange(other.fd, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            close();
            fd = std::exchange(other.fd, -1);
        }
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { close(); }
    int get() const { return fd; }

private:
    void close();
    int fd;
};

class FolderWalk {
public:
    // A folder on the way; a missing one has no descriptor, and neither has any below it.
    struct Step {
        QString name;
        Descriptor fd;
        int error = 0;
    };

    explicit FolderWalk(const QString& path);

    // The refusal, or the error that stopped the walk; empty when it reached the end.
    const QString& stopped() const { return stop; }
    // The path with every link followed.
    QString resolved() const;
    // The folder the path's last part lies in, or -1 when a folder on the way is missing or
    // cannot be opened, for the reason folderError().
    int folder() const { return steps_.back().fd.get(); }
    int folderError() const { return steps_.back().error; }
    // The last part, inside folder(); empty when the path names a folder itself.
    const QString& name() const { return last; }
    // Every folder from the root down to folder(), as opened.
    const std::vector<Step>& steps() const { return steps_; }

private:
    QString joined() const;
    bool follow(int parent, const QString& part, QStringList* pending);

    std::vector<Step> steps_; // the root first
    QString last;
    QString stop;
    int links = 0;
};
