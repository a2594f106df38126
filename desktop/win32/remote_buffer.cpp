#include "desktop/win32/remote_buffer.h"

#include <cstdint>
#include <stdexcept>
#include <utility>

#include "platform/win32/win32_error.h"

namespace orbilux::win32 {

namespace {

// The one block the program may have open; a second open means an
// operation forgot to close the first.
bool g_bufferOpen = false;

constexpr DWORD ShellProcessAccess =
    PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION;

}  // namespace

RemoteBuffer RemoteBuffer::OpenRemoteBuffer(DWORD processId, std::size_t size) {
    if (g_bufferOpen) throw std::logic_error("a remote buffer is already open");
    UniqueHandle process(OpenProcess(ShellProcessAccess, FALSE, processId));
    if (!process) ThrowLastError("cannot open the desktop's process");
    void* block = VirtualAllocEx(process.get(), nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (!block) ThrowLastError("cannot commit memory in the desktop's process");
    return RemoteBuffer(std::move(process), block, size);
}

RemoteBuffer::RemoteBuffer(UniqueHandle process, void* block, std::size_t size)
    : process_(std::move(process)), block_(block), size_(size) {
    g_bufferOpen = true;
}

RemoteBuffer::RemoteBuffer(RemoteBuffer&& other) noexcept
    : process_(std::move(other.process_)),
      block_(std::exchange(other.block_, nullptr)),
      size_(std::exchange(other.size_, 0)) {}

RemoteBuffer::~RemoteBuffer() {
    if (!process_) return;
    if (block_) VirtualFreeEx(process_.get(), block_, 0, MEM_RELEASE);
    process_.reset();
    g_bufferOpen = false;
}

void RemoteBuffer::checkRange(const void* remoteAddress, std::size_t size) const {
    const auto start = reinterpret_cast<std::uintptr_t>(remoteAddress);
    const auto base = reinterpret_cast<std::uintptr_t>(block_);
    if (start < base || size > size_ || start - base > size_ - size)
        throw std::out_of_range("range outside the remote buffer");
}

void RemoteBuffer::WriteRemote(const void* source, void* remoteAddress, std::size_t size) {
    if (!process_) return;
    checkRange(remoteAddress, size);
    if (!WriteProcessMemory(process_.get(), remoteAddress, source, size, nullptr))
        ThrowLastError("cannot write to the desktop's process");
}

std::size_t RemoteBuffer::ReadRemote(const void* remoteAddress, void* destination, std::size_t size) {
    if (!process_) return 0;
    checkRange(remoteAddress, size);
    SIZE_T read = 0;
    if (!ReadProcessMemory(process_.get(), remoteAddress, destination, size, &read))
        ThrowLastError("cannot read from the desktop's process");
    return read;
}

void RemoteBuffer::CloseRemoteBuffer() {
    if (!process_) return;
    void* block = std::exchange(block_, nullptr);
    const bool released = !block || VirtualFreeEx(process_.get(), block, 0, MEM_RELEASE);
    const DWORD error = released ? ERROR_SUCCESS : GetLastError();
    process_.reset();
    g_bufferOpen = false;
    if (!released) throw Win32Error("cannot release memory in the desktop's process", error);
}

}  // namespace orbilux::win32
