#pragma once

#include <gtest/gtest.h>

#include <string>

namespace corvane::test {

/// The test name of a table row: its `name` member.
template <class Case>
std::string caseName(const ::testing::TestParamInfo<Case>& row) {
    return row.param.name;
}

}  // namespace corvane::test
