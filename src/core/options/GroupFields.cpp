#include "GroupFields.h"

#include "core/image/MemoryImage.h"

#include <type_traits>

namespace r5k27 {
namespace {

// The value's type, const for a const record.
template <class Image>
using ValueOf = std::conditional_t<std::is_const_v<Image>, const std::int16_t, std::int16_t>;

template <auto Member, class Image> ValueOf<Image>& oneMember(Image& image, int mode, int group) {
    return (image.optFeat.*Member)(mode, group);
}
template <auto Member>
constexpr GroupAccess one{oneMember<Member, MemoryImage>, oneMember<Member, const MemoryImage>};

template <auto Member, int K, class Image>
ValueOf<Image>& pairMember(Image& image, int mode, int group) {
    return (image.optFeat.*Member)(mode, group, K);
}
template <auto Member, int K>
constexpr GroupAccess pair{pairMember<Member, K, MemoryImage>,
                           pairMember<Member, K, const MemoryImage>};

// Columns: name, record member, data-file place, radio place and coding of CB group A, radio
// steps per mode, per group and per group bit, range, new-document value.
// clang-format off
constexpr GroupField kGroupFields[] = {
    {"GroupValid", one<&OptFeatRec::groupValid>, {128, 2}, bitAt(0x3C00, 0),
     2, 0, 1, 0, 1, 1},
    {"EmergencyCh(0)", pair<&OptFeatRec::emergencyCh, 0>, {248, 2}, referenceAt(0x3C54, -1),
     20, 2, 0, 1, 46, 1},
    {"EmergencyCh(1)", pair<&OptFeatRec::emergencyCh, 1>, {288, 2}, referenceAt(0x3C55, -1),
     20, 2, 0, 1, 46, 1},
    {"WorkCh", one<&OptFeatRec::workCh>, {342, 2}, referenceAt(0x3D00, -1),
     10, 1, 0, 1, 46, 1},
    {"DwCh(0)", pair<&OptFeatRec::dwCh, 0>, {382, 2}, referenceAt(0x3D14, -1),
     20, 2, 0, 1, 46, 1},
    {"DwCh(1)", pair<&OptFeatRec::dwCh, 1>, {422, 2}, referenceAt(0x3D15, -1),
     20, 2, 0, 1, 46, 1},
    {"MemCh", one<&OptFeatRec::memCh>, {462, 2}, referenceAt(0x3D40, -41),
     10, 1, 0, 41, 46, 41},
};
// clang-format on

} // namespace

std::span<const GroupField> groupFields() {
    return kGroupFields;
}

RadioSlot radioSlotOf(const GroupField& field, int mode, int group) {
    RadioSlot slot = field.radio;
    const int bit = slot.bit + field.bitStride * (group - 1);
    slot.address += field.modeStride * mode + field.groupStride * (group - 1) + bit / 8;
    slot.bit = bit % 8;
    return slot;
}

} // namespace r5k27
