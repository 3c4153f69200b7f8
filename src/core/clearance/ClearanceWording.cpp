#include "clearance/ClearanceWording.h"

#include "common/TextColumns.h"

namespace corvane {

namespace {

constexpr std::size_t kPaddedLength = 7;
constexpr std::size_t kDesignatorLength = 3;

}  // namespace

std::string ClearanceWording::levelPhrase(std::string_view typed) {
    const std::string phrase =
        TextColumns::length(typed) < 4 ? "FL " + std::string(typed) : std::string(typed) + " FEET";
    return std::string(trimSpaces(phrase));
}

std::string ClearanceWording::paddedCallsign(std::string_view callsign) {
    std::string padded(callsign);
    const std::size_t length = TextColumns::length(callsign);
    // Every shorter callsign is padded, so that the first 7 characters of a list entry or a log
    // record always give the callsign back.
    if (length > 0 && length < kPaddedLength) {
        padded.append(kPaddedLength - length, ' ');
    }
    return padded;
}

std::int16_t ClearanceWording::callsignNumberLength(std::string_view callsign) {
    const std::size_t length = TextColumns::length(callsign);
    if (length <= kDesignatorLength) {
        return static_cast<std::int16_t>(length);
    }
    // Callsigns longer than any real one are cut to what a 16-bit count can name.
    const std::size_t spoken = length - kDesignatorLength;
    return static_cast<std::int16_t>(spoken > 32767 ? 32767 : spoken);
}

std::string ClearanceWording::spokenNumber(std::string_view callsign, std::int16_t count) {
    if (count <= 0) {
        return "";
    }
    return std::string(TextColumns::right(callsign, static_cast<std::size_t>(count)));
}

std::string ClearanceWording::airlineName(std::string_view shown) {
    return upperCase(trimSpaces(shown));
}

std::string ClearanceWording::assignedEntry(std::string_view callsign, std::string_view code) {
    return paddedCallsign(callsign) + " - " + std::string(code);
}

std::string ClearanceWording::noAnalysedAircraft(std::string_view callsign) {
    return "PAY ATTENTION!!! NO ANALYSED AIRCRAFT " + replaceControlCharacters(callsign) +
           ": NO CLEARANCE IS GIVEN. CLICK ON ITS CALLSIGN AGAIN WHEN IT IS IN THE TRAFFIC FILE";
}

std::string ClearanceWording::starEntryPoint(std::string_view expected) {
    const auto isLetter = [](char c) { return c >= 'A' && c <= 'Z'; };
    std::size_t letters = 0;
    while (letters < expected.size() && isLetter(expected[letters])) {
        ++letters;
    }
    const std::string_view rest = expected.substr(letters);
    const bool designator = letters >= 2 && letters <= 5 && !rest.empty() && rest[0] >= '0' &&
                            rest[0] <= '9' &&
                            (rest.size() == 1 || (rest.size() == 2 && isLetter(rest[1])));
    return std::string(designator ? expected.substr(0, letters) : expected);
}

std::string ClearanceWording::noFlightPlan(std::string_view callsign) {
    return "PAY ATTENTION!!! AIRCRAFT " + replaceControlCharacters(callsign) +
           " HAS FILED NO FLIGHT PLAN: NO CLEARANCE IS GIVEN";
}

}  // namespace corvane
