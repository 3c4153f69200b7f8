#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "window/ListBox.h"

namespace corvane {

/// The pilots' rules of thumb both clearance panels offer: the titles their lists show and the
/// rule texts (formula and worked example) shown for a chosen title. The texts are UTF-8 and
/// hold the characters Æ, °, Ø and – as such.
namespace RulesOfThumb {
/// Number of titles, one per list position.
inline constexpr std::size_t kTitleCount = 35;
/// Number of rule texts; one title ("Use TAS or IAS in approach") has none.
inline constexpr std::size_t kTextCount = 34;
/// The one list position whose title has no rule text.
inline constexpr int kTitleWithoutText = 23;

/// The titles in list order.
const std::array<std::string_view, kTitleCount>& titles();
/// The rule texts, numbered from 0.
const std::array<std::string_view, kTextCount>& texts();

/// Number of the rule text that answers the title at list `position`; none for the title
/// without a text and for positions that name no title.
std::optional<std::size_t> textNumberFor(int position);
/// What the text field shows for a choice of list `position`: the answering rule text, ""
/// for the title without a text (so no other title's rule stays on screen beside it), none
/// when `position` names no title (the field is then left as it is).
std::optional<std::string_view> shownFor(int position);

void showTitles(ListBox& list);
/// The rule a panel shows after a choice of its list's `position`: each panel's list changes
/// only its own rule, and a position without a title leaves it as it is.
void chooseRule(std::string& shown, int position);
}  // namespace RulesOfThumb

}  // namespace corvane
