#include "clearance/SquawkAllocator.h"

#include <algorithm>

#include "common/SquawkCode.h"
#include "common/TextColumns.h"

namespace corvane {

namespace {

constexpr int kOctalDigits = 4;
constexpr int kLargestCode = 07777;

}  // namespace

SquawkAllocator::SquawkAllocator(std::string_view rangeStart, std::string_view rangeEnd)
    : start_(parse(rangeStart)), end_(parse(rangeEnd)) {}

std::optional<int> SquawkAllocator::parse(std::string_view code) {
    return SquawkCode::value(code);
}

std::string SquawkAllocator::format(int value) {
    std::string text(kOctalDigits, '0');
    for (int i = kOctalDigits - 1; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = static_cast<char>('0' + (value & 7));
        value >>= 3;
    }
    return text;
}

bool SquawkAllocator::isReserved(int value) {
    return SquawkCode::isEmergency(value);
}

void SquawkAllocator::markTaken(std::string_view code) {
    if (const auto value = parse(trimSpaces(code))) {
        taken_.insert(*value);
    }
}

bool SquawkAllocator::isFree(int value) const {
    return start_ && end_ && value >= *start_ && value <= *end_ && value <= kLargestCode &&
           !isReserved(value) && taken_.count(value) == 0;
}

std::optional<int> SquawkAllocator::firstFreeFrom(int value) const {
    if (!start_ || !end_) {
        return std::nullopt;
    }
    for (int candidate = std::max(value, *start_); candidate <= *end_; ++candidate) {
        if (isFree(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

std::optional<SquawkAllocator::Allocation> SquawkAllocator::allocate(
    std::string_view current) const {
    const auto offered = parse(current);
    if (!offered) {
        return std::nullopt;
    }
    const auto given = firstFreeFrom(*offered);
    if (!given) {
        return std::nullopt;
    }
    const auto next = firstFreeFrom(*given + 1);
    return Allocation{format(*given), format(next.value_or(*given))};
}

}  // namespace corvane
