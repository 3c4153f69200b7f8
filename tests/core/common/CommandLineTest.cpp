// The shared command-line parser on a small grammar of its own, from
// tests/data/common/command-line.tsv.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/CommandLine.h"
#include "support/CaseTable.h"

namespace corvane {
namespace {

using test::CaseRow;

CommandLine::Grammar grammar(bool leaveSingleDash) {
    return {
        .options = {{"--home", "DIR", "the folder"},
                    {"--follow", "", "follow\nthe traffic"},
                    CommandLine::helpOption()},
        .positionals = 1,
        .unknown = "what is {arg}?",
        .missingValue = "{option} wants {value}",
        .leaveSingleDash = leaveSingleDash,
    };
}

// The options given, in the grammar's order, then the other arguments in brackets.
std::string read(const CaseRow& row, bool leaveSingleDash) {
    const std::vector<std::string> arguments =
        row[1].empty() ? std::vector<std::string>() : test::splitAt(row[1], '|');
    std::string error;
    const auto given = CommandLine::parse(grammar(leaveSingleDash), arguments, error);
    if (!given) {
        return "refused: " + error;
    }
    std::vector<std::string> items;
    for (const CommandLine::Option& option : grammar(false).options) {
        if (given->has(option.name)) {
            items.push_back(option.name +
                            (option.value.empty() ? "" : "=" + given->value(option.name)));
        }
    }
    for (const std::string& positional : given->positionals) {
        items.push_back("[" + positional + "]");
    }
    return test::joined(items, " ");
}

const test::TextFunctions kCommandLine = {
    {"parse", [](const CaseRow& c) { return read(c, false); }},
    {"leaveSingleDash", [](const CaseRow& c) { return read(c, true); }},
    {"optionLines",
     [](const CaseRow& c) {
         return CommandLine::optionLines(grammar(false).options, std::stoul(c[1]));
     }},
};

CORVANE_TEXT_TABLE(CommandLines, kCommandLine, "common/command-line.tsv");

}  // namespace
}  // namespace corvane
