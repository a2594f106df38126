// A block of memory committed inside the shell's process, for the list-view
// messages whose arguments the list view must be able to read (an item
// record, a text buffer, a point). There is one such block for the whole
// program and at most one is open at a time: it is opened when an operation
// knows the list view's process and closed when the operation ends.
//
// The shell's process is opened with only the rights the block needs, and
// the block is read-write, never executable.
#pragma once

#include <windows.h>

#include <cstddef>

#include "platform/win32/unique_handle.h"

namespace orbilux::win32 {

// Every user of the block asks for this size.
constexpr std::size_t RemoteBufferSize = 4095;

class RemoteBuffer {
public:
    // Opens the process and commits `size` bytes in it. Throws Win32Error
    // when the process can't be opened or the block can't be committed.
    static RemoteBuffer OpenRemoteBuffer(DWORD processId, std::size_t size = RemoteBufferSize);

    RemoteBuffer(RemoteBuffer&& other) noexcept;
    RemoteBuffer& operator=(RemoteBuffer&&) = delete;
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    // Releases the block if CloseRemoteBuffer wasn't called (an error ended
    // the operation); errors are ignored then.
    ~RemoteBuffer();

    // The block's address in the shell's process, and that address plus an offset.
    void* address() const { return block_; }
    void* at(std::size_t offset) const { return static_cast<char*>(block_) + offset; }
    std::size_t size() const { return size_; }
    bool isOpen() const { return static_cast<bool>(process_); }

    // Copies `size` bytes into / out of the shell's process. Both throw
    // Win32Error on failure, and refuse ranges outside the block.
    void WriteRemote(const void* source, void* remoteAddress, std::size_t size);
    std::size_t ReadRemote(const void* remoteAddress, void* destination, std::size_t size);

    // Releases the block and closes the process handle; throws Win32Error
    // when the block can't be released. Does nothing when already closed.
    void CloseRemoteBuffer();

    // The owning process handle (for checking that the shell is still alive).
    HANDLE process() const { return process_.get(); }

private:
    RemoteBuffer(UniqueHandle process, void* block, std::size_t size);
    void checkRange(const void* remoteAddress, std::size_t size) const;

    UniqueHandle process_;
    void* block_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace orbilux::win32
