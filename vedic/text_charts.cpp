#include "vedic/text_charts.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "vedic/names.h"

namespace orvane {

namespace {

constexpr int kBoxWidth = 11;   // characters of content in a box line
constexpr int kBoxLines = 5;    // text lines of a box row
constexpr int kCentre = -1;     // the four middle boxes form the centre

// Sign in each box, row by row (south Indian square, Pisces top left).
constexpr std::array<std::array<int, 4>, 4> kBoxSign = {{
    {11, 0, 1, 2},
    {10, kCentre, kCentre, 3},
    {9, kCentre, kCentre, 4},
    {8, 7, 6, 5},
}};

// Points shown, in slot order: ascendant, Sun..Ketu, bhava, hora and ghati
// lagna, Mandi, Gulika.
constexpr std::array<int, 15> kShownSlot = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 38, 39};
constexpr int kMaxLabels = static_cast<int>(kShownSlot.size());

// Labels of the lagnas and upagrahas (five characters; the ascendant and the
// planets are made from their names).
constexpr std::string_view kLagnaLabel[] = {"  BL ", "  HL ", "  GL "};
constexpr std::string_view kMandiLabel = " Mnd ";
constexpr std::string_view kGulikaLabel = " Glk ";

// Where the labels 0..n-1 of a box go on its five lines: a left, middle and
// right place per line (-1: empty).
struct LinePlaces {
  std::int8_t left = -1, middle = -1, right = -1;
};
using BoxPlacement = std::array<LinePlaces, kBoxLines>;
constexpr LinePlaces kNone{};
constexpr LinePlaces L(int a) { return {static_cast<std::int8_t>(a), -1, -1}; }
constexpr LinePlaces M(int a) { return {-1, static_cast<std::int8_t>(a), -1}; }
constexpr LinePlaces R(int a) { return {-1, -1, static_cast<std::int8_t>(a)}; }
constexpr LinePlaces LR(int a, int b) { return {static_cast<std::int8_t>(a), -1, static_cast<std::int8_t>(b)}; }
constexpr std::array<BoxPlacement, 11> kPlacement = {{
    {kNone, kNone, kNone, kNone, kNone},                       // 0
    {kNone, kNone, M(0), kNone, kNone},                        // 1
    {kNone, L(0), kNone, R(1), kNone},                         // 2
    {L(0), kNone, M(1), kNone, R(2)},                          // 3
    {kNone, LR(0, 1), kNone, LR(2, 3), kNone},                 // 4
    {LR(0, 1), kNone, M(2), kNone, LR(3, 4)},                  // 5
    {LR(0, 1), kNone, LR(2, 3), kNone, LR(4, 5)},              // 6
    {LR(0, 1), L(2), M(3), R(4), LR(5, 6)},                    // 7
    {LR(0, 1), LR(2, 3), kNone, LR(4, 5), LR(6, 7)},           // 8
    {LR(0, 1), LR(2, 3), M(4), LR(5, 6), LR(7, 8)},            // 9
    {LR(0, 1), LR(2, 3), LR(4, 5), LR(6, 7), LR(8, 9)},        // 10
}};

// Places of line `line` for a box of n labels. Up to ten labels follow the
// table; a box of eleven or more takes two labels per line, left and right,
// over as many lines as it needs (its whole row of boxes grows with it).
LinePlaces PlacesOf(int n, int line) {
  if (n <= 10) {
    if (line >= kBoxLines) return kNone;
    return kPlacement[static_cast<std::size_t>(n)][static_cast<std::size_t>(line)];
  }
  const int a = 2 * line, b = 2 * line + 1;
  if (a >= n) return kNone;
  return LR(a, b < n ? b : -1);
}

int LinesOf(int n) { return n <= 10 ? kBoxLines : std::max(kBoxLines, (n + 1) / 2); }

struct Label {
  char text[6] = "     ";
};

Label LabelOf(const ChartState& state, int slot) {
  Label label;
  std::string_view text;
  switch (slot) {
    case kBhavaLagna: text = kLagnaLabel[0]; break;
    case kHoraLagna: text = kLagnaLabel[1]; break;
    case kGhatiLagna: text = kLagnaLabel[2]; break;
    case kMandi: text = kMandiLabel; break;
    case kGulika: text = kGulikaLabel; break;
    default: {
      // A blank, the first three letters of the name, "R" when retrograde.
      const std::string_view name = vedic::NameAt(vedic::kPointName, slot);
      for (std::size_t i = 0; i < 3 && i < name.size(); ++i) label.text[1 + i] = name[i];
      label.text[4] = state.slotRetrograde[static_cast<std::size_t>(slot)] == 1 ? 'R' : ' ';
      return label;
    }
  }
  std::memcpy(label.text, text.data(), 5);
  return label;
}

// Labels of every sign, ordered by longitude (equal longitudes in slot order).
struct SignBoxes {
  std::array<std::array<Label, kMaxLabels>, 12> label{};
  std::array<int, 12> count{};
};

SignBoxes FillBoxes(const ChartState& state, const PointInts& signs) {
  std::array<int, kMaxLabels> order{};
  std::copy(kShownSlot.begin(), kShownSlot.end(), order.begin());
  std::stable_sort(order.begin(), order.end(), [&state](int a, int b) {
    return state.slotLongitude[static_cast<std::size_t>(a)] < state.slotLongitude[static_cast<std::size_t>(b)];
  });
  SignBoxes boxes;
  for (const int slot : order) {
    const long long sign = vedic::FloorMod(signs[static_cast<std::size_t>(slot)], 12);
    int& n = boxes.count[static_cast<std::size_t>(sign)];
    boxes.label[static_cast<std::size_t>(sign)][static_cast<std::size_t>(n)] = LabelOf(state, slot);
    ++n;
  }
  return boxes;
}

// The eleven characters of one line of a box.
void BoxLine(const SignBoxes& boxes, int sign, int line, char* content) {
  std::memset(content, ' ', kBoxWidth);
  if (sign == kCentre) return;
  const int n = boxes.count[static_cast<std::size_t>(sign)];
  const LinePlaces p = PlacesOf(n, line);
  const auto& labels = boxes.label[static_cast<std::size_t>(sign)];
  if (p.middle >= 0) {
    std::memcpy(content + 3, labels[static_cast<std::size_t>(p.middle)].text, 5);
    return;
  }
  if (p.left >= 0) std::memcpy(content, labels[static_cast<std::size_t>(p.left)].text, 5);
  if (p.right >= 0) std::memcpy(content + 6, labels[static_cast<std::size_t>(p.right)].text, 5);
}

constexpr std::string_view kBorder = "+-------------------------------------------------------+\n";
constexpr std::string_view kSideDashes = "-------------";
constexpr std::string_view kMiddleDashes = "---------------------------";
static_assert(kBorder.size() == 58 && kSideDashes.size() == 13 && kMiddleDashes.size() == 27);

// The eighteen charts of the second variant, with their titles.
struct TitledVarga {
  Varga varga;
  std::string_view title;
};
constexpr std::array<TitledVarga, 18> kOtherCharts = {{
    {kD2, "H O R A"},   {kD3, "D - 3"},     {kD4, "D - 4"},     {kD5, "D - 5"},     {kD6, "D - 6"},
    {kD7, "D - 7"},     {kD8, "D - 8"},     {kD10, "D - 1 0"},  {kD11, "D - 1 1"},  {kD12, "D - 1 2"},
    {kD16, "D - 1 6"},  {kD20, "D - 2 0"},  {kD24, "D - 2 4"},  {kD27, "D - 2 7"},  {kD30, "D - 3 0"},
    {kD40, "D - 4 0"},  {kD45, "D - 4 5"},  {kD60, "D - 6 0"},
}};

}  // namespace

void AppendTextChart(ReportBuffer& out, const ChartState& state, const PointInts& signs, std::string_view title) {
  const SignBoxes boxes = FillBoxes(state, signs);
  out.Append("\n");
  out.Append(kBorder);
  for (int row = 0; row < 4; ++row) {
    int lines = kBoxLines;
    for (const int sign : kBoxSign[static_cast<std::size_t>(row)]) {
      if (sign != kCentre) lines = std::max(lines, LinesOf(boxes.count[static_cast<std::size_t>(sign)]));
    }
    for (int line = 0; line < lines; ++line) {
      char text[64];
      std::size_t n = 0;
      for (int col = 0; col < 4; ++col) {
        const int sign = kBoxSign[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
        const bool centreRightHalf = sign == kCentre && col == 2;
        text[n++] = centreRightHalf ? ' ' : '|';
        text[n++] = ' ';
        BoxLine(boxes, sign, line, text + n);
        n += kBoxWidth;
        text[n++] = ' ';
      }
      text[n++] = '|';
      text[n++] = '\n';
      out.Append(std::string_view(text, n));
    }
    if (row == 3) break;
    out.Append("|");
    out.Append(kSideDashes);
    out.Append("|");
    if (row == 1) {
      // The title centred in the 27 characters between the side boxes.
      const std::size_t len = std::min<std::size_t>(title.size(), kMiddleDashes.size());
      const std::size_t before = (kMiddleDashes.size() - len) / 2;
      char middle[27];
      std::memset(middle, ' ', sizeof middle);
      std::memcpy(middle + before, title.data(), len);
      out.Append(std::string_view(middle, sizeof middle));
    } else {
      out.Append(kMiddleDashes);
    }
    out.Append("|");
    out.Append(kSideDashes);
    out.Append("|\n");
  }
  out.Append(kBorder);
}

void WriteTextCharts(const ChartState& state, ReportBuffer& out) {
  const VedicState& v = state.vedic;
  if (state.options.textChartRasiNavamsa != 0) {
    AppendTextChart(out, state, v.vargaSign[kD1], "R A S I");
    AppendTextChart(out, state, v.vargaSign[kD9], "N A V A M S A");
    out.Append("\n\n");
  }
  if (state.options.textChartOthers != 0) {
    for (const TitledVarga& chart : kOtherCharts) {
      AppendTextChart(out, state, v.vargaSign[static_cast<std::size_t>(chart.varga)], chart.title);
    }
    out.Append("\n\n");
  }
}

}  // namespace orvane
