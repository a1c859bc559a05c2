// The library's query language, translated to an SQL condition whose values
// are all parameters: nothing a user types is pasted into the SQL text.
//
//   expr   := and ("or" and)*
//   and    := unary ("and" unary)*
//   unary  := "not" unary | "(" expr ")" | test
//   test   := FACT [op value | "in" "[" value ("," value)* "]"]   (a fact alone: a true/false fact)
//           | "has_yoga" "(" STRING ")" | "tag" "(" STRING ")"
//   op     := "==" | "!=" | "<" | "<=" | ">" | ">="
//   value  := STRING | NUMBER | "true" | "false"
//
// e.g. moon.sign == "Scorpio" and jupiter.house in [1, 4, 7, 10]
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvane::library {

using QueryValue = std::variant<std::int64_t, double, std::string>;

struct CompiledQuery {
  std::string where;                // SQL condition over charts c and facts f ("" for every chart)
  std::vector<QueryValue> params;   // bound to its ?s in order
};

// False with "column N: what is wrong" (N from 1) for text that is not a
// query: an unknown fact (with the nearest names), a value the fact cannot
// hold ("Scorpion" for a sign), a missing parenthesis...
bool CompileQuery(std::string_view text, CompiledQuery& out, std::string* error);

}  // namespace orvane::library
