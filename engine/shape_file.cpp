#include "engine/shape_file.h"

#include <array>
#include <cerrno>
#include <system_error>

#include "engine/engine_errors.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdlib.h>  // _doserrno
#include <sys/stat.h>
#include <sys/types.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orbilux {

void ShapeBuilder::addRecord(int32_t first, int32_t second) {
    switch (first) {
    case MarkEndPath:
        // Closes the path even when it holds no point: an empty path still
        // counts in the path count the icons-per-path suggestion divides by.
        shape_.Paths.push_back(std::move(currentPath_));
        currentPath_ = ShapePath{};
        return;
    case MarkExtra: extra_ = true; return;
    case MarkFixed: fixed_ = true; return;
    case MarkOverflow: overflow_ = true; return;
    default: break;
    }
    if (first < 0) return;  // an unknown marker changes nothing

    const ShapePoint point{first, second};
    // Sections rank paths < extra < fixed < overflow; the highest flag set wins.
    if (overflow_) {
        if (!shape_.OverflowPoints) shape_.OverflowPoints.emplace();
        shape_.OverflowPoints->push_back(point);
    } else if (fixed_) {
        shape_.FixedPoints.push_back(point);
    } else if (extra_) {
        shape_.ExtraPoints.push_back(point);
    } else {
        currentPath_.push_back(point);
    }
}

static int32_t ReadInt32LE(const unsigned char* p) {
    const uint32_t u = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
    return static_cast<int32_t>(u);  // two's complement, defined since C++20 and by every compiler we use
}

void ShapeBuilder::addBytes(const unsigned char* data, std::size_t size) {
    for (std::size_t offset = 0; offset + ShapeRecordSize <= size; offset += ShapeRecordSize)
        addRecord(ReadInt32LE(data + offset), ReadInt32LE(data + offset + 4));
}

LoadedShape ShapeBuilder::finish() {
    // Points after the last MarkEndPath never formed a path.
    currentPath_.clear();
    LoadedShape result = std::move(shape_);
    shape_ = LoadedShape{};
    extra_ = fixed_ = overflow_ = false;
    return result;
}

LoadedShape ParseShapeBytes(const unsigned char* data, std::size_t size) {
    ShapeBuilder builder;
    builder.addBytes(data, size);
    return builder.finish();
}

namespace {

int LastOsError() {
#ifdef _WIN32
    // The CRT keeps the Win32 error code of the failed call here.
    return static_cast<int>(_doserrno);
#else
    return errno;
#endif
}

[[noreturn]] void ThrowFileError(const std::filesystem::path& path, const char* action, int code) {
    const std::string name = path.u8string();
#ifdef _WIN32
    const std::string reason = std::system_category().message(code);
#else
    const std::string reason = std::generic_category().message(code);
#endif
    throw ShapeFileError(name, code, std::string("cannot ") + action + " shape file \"" + name + "\": " + reason +
                                         " (error " + std::to_string(code) + ")");
}

// Owns a C-runtime file descriptor for the duration of one load.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::filesystem::path& path) : path_(path) {
#ifdef _WIN32
        _doserrno = 0;
        fd_ = _wopen(path.c_str(), _O_RDONLY | _O_BINARY);
#else
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
#endif
        if (fd_ < 0) ThrowFileError(path_, "open", LastOsError());
    }
    ~ReadOnlyFile() {
#ifdef _WIN32
        _close(fd_);
#else
        ::close(fd_);
#endif
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // Returns the number of bytes read, 0 at the end of the file.
    std::size_t read(unsigned char* buffer, std::size_t size) {
        for (;;) {
#ifdef _WIN32
            _doserrno = 0;
            const int n = _read(fd_, buffer, static_cast<unsigned>(size));
#else
            const ssize_t n = ::read(fd_, buffer, size);
            if (n < 0 && errno == EINTR) continue;
#endif
            if (n < 0) ThrowFileError(path_, "read", LastOsError());
            return static_cast<std::size_t>(n);
        }
    }

private:
    std::filesystem::path path_;
    int fd_ = -1;
};

// What the file system says about a path before it is opened. (The C
// runtime's stat rather than std::filesystem: its operations would bring the
// whole of iostreams into the window program for two questions.)
struct PathFacts {
    bool exists = false;
    bool regular = false;
    std::uintmax_t size = 0;
};

PathFacts FactsOf(const std::filesystem::path& path) {
    PathFacts facts;
#ifdef _WIN32
    struct _stat64 info {};
    if (_wstat64(path.c_str(), &info) != 0) return facts;
    facts.regular = (info.st_mode & _S_IFMT) == _S_IFREG;
#else
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return facts;
    facts.regular = S_ISREG(info.st_mode);
#endif
    facts.exists = true;
    facts.size = info.st_size > 0 ? static_cast<std::uintmax_t>(info.st_size) : 0;
    return facts;
}

[[noreturn]] void ThrowRefused(const std::filesystem::path& path, const std::string& reason) {
    const std::string name = path.u8string();
    throw ShapeFileError(name, 0, "cannot read shape file \"" + name + "\": " + reason);
}

}  // namespace

LoadedShape LoadShapeFile(const std::filesystem::path& fileName) {
    // Only a regular file is read: opening a pipe would wait for a writer,
    // and a device can be endless.
    const PathFacts facts = FactsOf(fileName);
    if (facts.exists && !facts.regular) ThrowRefused(fileName, "it is not a regular file");
    if (facts.exists && facts.size > MaxShapeFileBytes) ThrowRefused(fileName, "it is larger than 64 MiB");
    ReadOnlyFile file(fileName);
    ShapeBuilder builder;
    // Records may straddle chunk boundaries: carry the partial record over.
    std::array<unsigned char, 64 * 1024> buffer;
    std::size_t pending = 0;
    std::uintmax_t total = 0;
    for (;;) {
        const std::size_t n = file.read(buffer.data() + pending, buffer.size() - pending);
        if (n == 0) break;
        total += n;
        if (total > MaxShapeFileBytes) ThrowRefused(fileName, "it is larger than 64 MiB");  // it grew meanwhile
        const std::size_t available = pending + n;
        const std::size_t whole = available - available % ShapeRecordSize;
        builder.addBytes(buffer.data(), whole);
        pending = available - whole;
        for (std::size_t i = 0; i < pending; ++i) buffer[i] = buffer[whole + i];
    }
    // 1 to 7 trailing bytes are never part of a record.
    return builder.finish();
}

}  // namespace orbilux
