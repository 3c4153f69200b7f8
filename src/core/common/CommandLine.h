#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

/// The programs' one reading of a command line: each program declares its options and its
/// wording, and gets back what was given or one line saying what is wrong.
///
/// An option is "--name", or "--name VALUE" / "--name=VALUE" when it takes a value. A value
/// must not be empty, and an argument starting with "--" where a value is expected means the
/// value was left out. A repeated option counts once, with its last value: a wrapper such as
/// corvane-demo puts its own options before the user's. After "--" every argument is taken as
/// it stands; arguments that are not options are taken up to the declared number.
namespace CommandLine {

struct Option {
    /// As typed: "--home".
    std::string name;
    /// Its value's name in the help ("DIR"), empty when it takes none.
    std::string value;
    /// Its help; each "\n" continues it on a line of its own, under the first.
    std::string help;
    /// Another spelling that means the same ("-h"), shown nowhere.
    std::string alias = {};
};

/// "--help", also "-h", as every program words it.
Option helpOption();
/// "--version", as every program words it.
Option versionOption();

/// What a program accepts and how it words a refusal.
struct Grammar {
    /// In the order its help lists them.
    std::vector<Option> options;
    /// How many arguments that are not options it takes (a script file).
    std::size_t positionals = 0;
    /// An argument it does not know, or one too many; "{arg}" stands for the argument.
    std::string unknown = "unknown option {arg}";
    /// An option given without its value; "{option}" and "{value}" stand for the option and
    /// its value's name.
    std::string missingValue = "{option} needs a value";
    /// An unknown argument with a single dash belongs to the window system and is passed over,
    /// with the argument after it unless that one starts with "-".
    bool leaveSingleDash = false;
};

struct Arguments {
    /// Option name to its value ("" for one without a value).
    std::map<std::string, std::string, std::less<>> values;
    /// The arguments that are not options, in order.
    std::vector<std::string> positionals;

    /// True when the option was given, under its name or its alias.
    bool has(std::string_view name) const { return values.contains(name); }
    /// The option's value; "" when it was not given.
    std::string value(std::string_view name) const;
};

/// Reads `arguments` (without the program name) by `grammar`; nothing, with `error` set in the
/// grammar's wording, on the first mistake.
std::optional<Arguments> parse(const Grammar& grammar, const std::vector<std::string>& arguments,
                               std::string& error);

/// The help's lines of `options`: "  --name VALUE", then the help from `column` on (after one
/// space at least), its further lines indented to `column`.
std::string optionLines(const std::vector<Option>& options, std::size_t column);

}  // namespace CommandLine

}  // namespace corvane
