#include "desktop/layout_file_io.h"

#include <fstream>
#include <random>
#include <system_error>

#include "platform/file_replace.h"

namespace orbilux {

namespace fs = std::filesystem;

FileRead ReadWholeFile(const fs::path& path, std::size_t maxBytes) {
    FileRead result;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) {
        result.error = "the file does not exist";
        return result;
    }
    if (!fs::is_regular_file(status)) {
        result.error = "not a regular file";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = "the file could not be opened";
        return result;
    }
    // Read one byte more than allowed, so that a file that grew since its
    // size was looked at is still caught.
    std::string bytes(maxBytes + 1, '\0');
    in.read(bytes.data(), std::streamsize(bytes.size()));
    if (in.bad()) {
        result.error = "the file could not be read";
        return result;
    }
    const std::size_t got = static_cast<std::size_t>(in.gcount());
    if (got > maxBytes) {
        result.error = "the file is larger than " + std::to_string(maxBytes) + " bytes";
        return result;
    }
    bytes.resize(got);
    result.ok = true;
    result.bytes = std::move(bytes);
    return result;
}

std::string WriteWholeFile(const fs::path& target, const std::string& bytes) {
    // A fresh name beside the target, so that the rename stays on one
    // volume and never replaces anything but the target.
    std::random_device random;
    fs::path temporary;
    for (int attempt = 0;; ++attempt) {
        temporary = target;
        temporary += ".tmp-" + std::to_string(random() % 100000000u);
        std::error_code ignored;
        if (!fs::exists(temporary, ignored)) break;
        if (attempt == 20) return "no free name for a temporary file beside the target";
    }
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return "the file could not be created";
        out.write(bytes.data(), std::streamsize(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return "the file could not be written";
        }
    }
    const std::string failure = RenameOver(temporary, target);
    if (!failure.empty()) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return failure;
    }
    return std::string();
}

}  // namespace orbilux
