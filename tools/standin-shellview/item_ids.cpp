#include "tools/standin-shellview/item_ids.h"

#include <cstring>

#include "tools/standin-shellview/com_base.h"

namespace orbilux::shellview {

namespace {

constexpr DWORD ItemIdTag = 0x4F53494F;  // "OISO"
constexpr USHORT ItemIdSize = sizeof(USHORT) + sizeof(DWORD) + sizeof(int);

class ItemEnumerator final : public IEnumIDList, public RefCounted {
public:
    ItemEnumerator(int count, int next) : count_(count), next_(next) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IEnumIDList) return E_NOINTERFACE;
        *ppv = static_cast<IEnumIDList*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return addRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return release(); }

    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, LPITEMIDLIST* ids, ULONG* fetched) override {
        if (!ids || (wanted != 1 && !fetched)) return E_POINTER;
        ULONG given = 0;
        while (given < wanted && next_ < count_) {
            ids[given] = NewItemId(next_);
            if (!ids[given]) {
                for (ULONG i = 0; i < given; ++i) CoTaskMemFree(ids[i]);
                if (fetched) *fetched = 0;
                return E_OUTOFMEMORY;
            }
            ++given;
            ++next_;
        }
        if (fetched) *fetched = given;
        return given == wanted ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        const ULONG left = ULONG(count_ - next_);
        next_ += int(count < left ? count : left);
        return count <= left ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        next_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumIDList** copy) override {
        if (!copy) return E_POINTER;
        *copy = nullptr;
        return Guarded([&] {
            return HandOut(new ItemEnumerator(count_, next_), IID_IEnumIDList, reinterpret_cast<void**>(copy));
        });
    }

private:
    const int count_;
    int next_;
};

}  // namespace

LPITEMIDLIST NewItemId(int index) {
    auto* bytes = static_cast<BYTE*>(CoTaskMemAlloc(ItemIdSize + sizeof(USHORT)));
    if (!bytes) return nullptr;
    const USHORT size = ItemIdSize, end = 0;
    std::memcpy(bytes, &size, sizeof size);
    std::memcpy(bytes + sizeof(USHORT), &ItemIdTag, sizeof ItemIdTag);
    std::memcpy(bytes + sizeof(USHORT) + sizeof(DWORD), &index, sizeof index);
    std::memcpy(bytes + ItemIdSize, &end, sizeof end);
    return reinterpret_cast<LPITEMIDLIST>(bytes);
}

std::optional<int> ItemIndex(LPCITEMIDLIST id) {
    if (!id) return std::nullopt;
    const auto* bytes = reinterpret_cast<const BYTE*>(id);
    USHORT size = 0, end = 0;
    DWORD tag = 0;
    int index = 0;
    std::memcpy(&size, bytes, sizeof size);
    if (size != ItemIdSize) return std::nullopt;
    std::memcpy(&tag, bytes + sizeof(USHORT), sizeof tag);
    std::memcpy(&index, bytes + sizeof(USHORT) + sizeof(DWORD), sizeof index);
    std::memcpy(&end, bytes + ItemIdSize, sizeof end);
    if (tag != ItemIdTag || end != 0 || index < 0) return std::nullopt;
    return index;
}

HRESULT NewItemEnumerator(int count, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    return Guarded([&] { return HandOut(new ItemEnumerator(count, 0), riid, ppv); });
}

}  // namespace orbilux::shellview
