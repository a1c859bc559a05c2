#include "library/query.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

#include "library/facts.h"
#include "yoga/yoga.h"

namespace orvane::library {
namespace {

enum class Tok : std::uint8_t { kEnd, kName, kString, kNumber, kOp, kLParen, kRParen, kLBracket, kRBracket, kComma };

struct Token {
  Tok kind = Tok::kEnd;
  std::string text;
  std::size_t column = 1;  // from 1
};

constexpr std::size_t kMaxText = 4096;  // longer text is no query
constexpr int kMaxDepth = 64;           // nesting of parentheses and "not"

class Parser {
 public:
  Parser(std::string_view text, CompiledQuery& out) : text_(text), out_(out) {}

  bool Run(std::string* error) {
    if (text_.size() > kMaxText) return Fail(1, "the query is longer than " + std::to_string(kMaxText) + " characters", error);
    if (!Lex(error)) return false;
    if (tokens_.size() == 1) {
      out_.where.clear();
      return true;
    }
    std::string sql;
    if (!Or(sql, 0, error)) return false;
    if (Peek().kind != Tok::kEnd) return Fail(Peek().column, "unexpected '" + Peek().text + "'", error);
    out_.where = sql;
    return true;
  }

 private:
  bool Fail(std::size_t column, const std::string& what, std::string* error) {
    if (error) *error = "column " + std::to_string(column) + ": " + what;
    return false;
  }

  bool Lex(std::string* error) {
    std::size_t i = 0;
    while (i < text_.size()) {
      const char c = text_[i];
      const std::size_t column = i + 1;
      if (std::isspace(static_cast<unsigned char>(c))) {
        ++i;
      } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
        std::size_t j = i;
        while (j < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[j])) || text_[j] == '_' || text_[j] == '.')) ++j;
        tokens_.push_back({Tok::kName, std::string(text_.substr(i, j - i)), column});
        i = j;
      } else if (std::isdigit(static_cast<unsigned char>(c)) || (c == '-' && i + 1 < text_.size() &&
                                                                   std::isdigit(static_cast<unsigned char>(text_[i + 1])))) {
        std::size_t j = i + 1;
        while (j < text_.size() && (std::isdigit(static_cast<unsigned char>(text_[j])) || text_[j] == '.')) ++j;
        tokens_.push_back({Tok::kNumber, std::string(text_.substr(i, j - i)), column});
        i = j;
      } else if (c == '"' || c == '\'') {
        std::string value;
        std::size_t j = i + 1;
        bool closed = false;
        while (j < text_.size()) {
          if (text_[j] == '\\' && j + 1 < text_.size()) {
            value += text_[j + 1];
            j += 2;
          } else if (text_[j] == c) {
            closed = true;
            ++j;
            break;
          } else {
            value += text_[j++];
          }
        }
        if (!closed) return Fail(column, "a text that is not closed", error);
        tokens_.push_back({Tok::kString, value, column});
        i = j;
      } else if (c == '(' || c == ')' || c == '[' || c == ']' || c == ',') {
        const Tok kind = c == '(' ? Tok::kLParen : c == ')' ? Tok::kRParen : c == '[' ? Tok::kLBracket
                                                 : c == ']' ? Tok::kRBracket : Tok::kComma;
        tokens_.push_back({kind, std::string(1, c), column});
        ++i;
      } else if (c == '=' || c == '!' || c == '<' || c == '>') {
        std::string op(1, c);
        if (i + 1 < text_.size() && text_[i + 1] == '=') op += '=';
        if (op == "=" || op == "!") return Fail(column, "'" + op + "' is not an operator (write == or !=)", error);
        tokens_.push_back({Tok::kOp, op, column});
        i += op.size();
      } else {
        return Fail(column, "unexpected character '" + std::string(1, c) + "'", error);
      }
    }
    tokens_.push_back({Tok::kEnd, "the end", text_.size() + 1});
    return true;
  }

  const Token& Peek() const { return tokens_[pos_]; }
  const Token& Next() { return tokens_[pos_ < tokens_.size() - 1 ? pos_++ : pos_]; }
  bool IsWord(const Token& t, std::string_view w) const { return t.kind == Tok::kName && t.text == w; }

  bool Or(std::string& sql, int depth, std::string* error) {
    std::string left;
    if (!And(left, depth, error)) return false;
    while (IsWord(Peek(), "or")) {
      Next();
      std::string right;
      if (!And(right, depth, error)) return false;
      left = "(" + left + " OR " + right + ")";
    }
    sql = left;
    return true;
  }

  bool And(std::string& sql, int depth, std::string* error) {
    std::string left;
    if (!Unary(left, depth, error)) return false;
    while (IsWord(Peek(), "and")) {
      Next();
      std::string right;
      if (!Unary(right, depth, error)) return false;
      left = "(" + left + " AND " + right + ")";
    }
    sql = left;
    return true;
  }

  bool Unary(std::string& sql, int depth, std::string* error) {
    if (depth > kMaxDepth) return Fail(Peek().column, "nested too deeply", error);
    if (IsWord(Peek(), "not")) {
      Next();
      std::string inner;
      if (!Unary(inner, depth + 1, error)) return false;
      sql = "(NOT " + inner + ")";
      return true;
    }
    if (Peek().kind == Tok::kLParen) {
      const std::size_t column = Next().column;
      if (!Or(sql, depth + 1, error)) return false;
      if (Peek().kind != Tok::kRParen) return Fail(Peek().column, "')' expected for the '(' at column " + std::to_string(column), error);
      Next();
      return true;
    }
    return Test(sql, error);
  }

  // A string argument in parentheses: has_yoga("...").
  bool Argument(const std::string& function, std::string& value, std::string* error) {
    if (Peek().kind != Tok::kLParen) return Fail(Peek().column, "'(' expected after " + function, error);
    Next();
    if (Peek().kind != Tok::kString) return Fail(Peek().column, function + " takes a text in quotes", error);
    value = Next().text;
    if (Peek().kind != Tok::kRParen) return Fail(Peek().column, "')' expected", error);
    Next();
    return true;
  }

  // The value as the fact's column holds it, bound as a parameter.
  bool Value(const FactInfo& fact, const Token& t, std::string* error) {
    auto wrong = [&](const std::string& expected) {
      return Fail(t.column, fact.name + " is " + expected + ", not " + (t.kind == Tok::kString ? "\"" + t.text + "\"" : t.text), error);
    };
    switch (fact.kind) {
      case FactKind::kSign: {
        const auto n = t.kind == Tok::kString ? SignNumber(t.text) : std::nullopt;
        if (!n) return wrong("a sign (\"Aries\" .. \"Pisces\")");
        out_.params.emplace_back(std::int64_t{*n});
        return true;
      }
      case FactKind::kNakshatra: {
        const auto n = t.kind == Tok::kString ? NakshatraNumber(t.text) : std::nullopt;
        if (!n) return wrong("a nakshatra (\"Aswini\" .. \"Revathi\")");
        out_.params.emplace_back(std::int64_t{*n});
        return true;
      }
      case FactKind::kHouse:
      case FactKind::kPada:
      case FactKind::kNumber: {
        long long n = 0;
        const auto [ptr, ec] = std::from_chars(t.text.data(), t.text.data() + t.text.size(), n);
        const long long high = fact.kind == FactKind::kHouse ? 12 : fact.kind == FactKind::kPada ? 4 : 100000;
        const long long low = fact.kind == FactKind::kNumber ? -100000 : 1;
        if (t.kind != Tok::kNumber || ec != std::errc() || ptr != t.text.data() + t.text.size() || n < low || n > high)
          return wrong("a whole number from " + std::to_string(low) + " to " + std::to_string(high));
        out_.params.emplace_back(std::int64_t{n});
        return true;
      }
      case FactKind::kDignity:
        if (t.kind != Tok::kString || !IsDignityWord(t.text))
          return wrong("\"exalted\", \"moolatrikona\", \"own\", \"friend\", \"neutral\", \"enemy\" or \"debilitated\"");
        out_.params.emplace_back(t.text);
        return true;
      case FactKind::kPlanet:
        if (t.kind != Tok::kString || !IsPlanetName(t.text)) return wrong("a planet (\"Sun\" .. \"Ketu\")");
        out_.params.emplace_back(t.text);
        return true;
      case FactKind::kBool:
        if (!IsWord(t, "true") && !IsWord(t, "false")) return wrong("true or false");
        out_.params.emplace_back(std::int64_t{IsWord(t, "true") ? 1 : 0});
        return true;
      case FactKind::kText:
        if (t.kind != Tok::kString) return wrong("a text in quotes");
        out_.params.emplace_back(t.text);
        return true;
    }
    return false;
  }

  bool Test(std::string& sql, std::string* error) {
    const Token name = Next();
    if (name.kind != Tok::kName) return Fail(name.column, "a fact, has_yoga(...), tag(...), not or '(' expected, not '" + name.text + "'", error);
    if (name.text == "has_yoga") {
      std::string key;
      if (!Argument(name.text, key, error)) return false;
      const auto library = yoga::DescribeYogas();
      if (std::none_of(library.begin(), library.end(), [&](const yoga::YogaDescription& d) { return d.key == key; }))
        return Fail(name.column, "no yoga has the key \"" + key + "\" (orvane-cli --list-yogas lists them)", error);
      out_.params.emplace_back(key);
      sql = "EXISTS (SELECT 1 FROM chart_yogas y WHERE y.chart_id = c.id AND y.yoga = ?)";
      return true;
    }
    if (name.text == "tag") {
      std::string tag;
      if (!Argument(name.text, tag, error)) return false;
      out_.params.emplace_back(tag);
      sql = "EXISTS (SELECT 1 FROM tags t WHERE t.chart_id = c.id AND t.tag = ?)";
      return true;
    }
    const FactInfo* fact = FindFact(name.text);
    if (fact == nullptr) {
      std::string near;
      const std::string point = name.text.substr(0, name.text.find('.'));
      for (const FactInfo& f : FactCatalogue()) {
        if (f.name.rfind(point + ".", 0) == 0) near += (near.empty() ? "" : ", ") + f.name;
      }
      return Fail(name.column, "unknown fact '" + name.text + "'" +
                                   (near.empty() ? " (docs/library.md lists the facts)" : " (" + near + ")"),
                  error);
    }
    if (Peek().kind == Tok::kOp) {
      const Token op = Next();
      const Token value = Next();
      if ((fact->kind == FactKind::kSign || fact->kind == FactKind::kNakshatra || fact->kind == FactKind::kDignity ||
           fact->kind == FactKind::kPlanet || fact->kind == FactKind::kBool) &&
          op.text != "==" && op.text != "!=")
        return Fail(op.column, fact->name + " can only be compared with == or !=", error);
      if (!Value(*fact, value, error)) return false;
      sql = fact->column + " " + (op.text == "==" ? "=" : op.text == "!=" ? "<>" : op.text) + " ?";
      return true;
    }
    if (IsWord(Peek(), "in")) {
      Next();
      if (Peek().kind != Tok::kLBracket) return Fail(Peek().column, "'[' expected after in", error);
      Next();
      std::string list;
      for (;;) {
        if (!Value(*fact, Next(), error)) return false;
        list += list.empty() ? "?" : ", ?";
        if (Peek().kind == Tok::kComma) {
          Next();
          continue;
        }
        if (Peek().kind != Tok::kRBracket) return Fail(Peek().column, "',' or ']' expected", error);
        Next();
        break;
      }
      sql = fact->column + " IN (" + list + ")";
      return true;
    }
    if (fact->kind != FactKind::kBool)
      return Fail(Peek().column, "== , != , <, >, in [...] expected after " + fact->name, error);
    sql = fact->column + " = 1";
    return true;
  }

  std::string_view text_;
  CompiledQuery& out_;
  std::vector<Token> tokens_;
  std::size_t pos_ = 0;
};

}  // namespace

bool CompileQuery(std::string_view text, CompiledQuery& out, std::string* error) {
  out = CompiledQuery();
  Parser parser(text, out);
  if (!parser.Run(error)) {
    out = CompiledQuery();
    return false;
  }
  return true;
}

}  // namespace orvane::library
