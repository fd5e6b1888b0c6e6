#include "stroke_checks.h"

#include "call_bounds.h"
#include "checked_canvas.h"
#include "drawing_setup.h"
#include "renderer/brush.h"
#include "renderer/fitting.h"
#include "scratch_file.h"
#include "table_rules.h"
#include "window_services/recording/scripted_message_boxes.h"

namespace sumimai::fuzz {
namespace {

constexpr char kDisplayName[] = "般若心経\\fuzz.mem";

struct Load {
  StrokeTable table{};
  StrokeCountValue count;
  ScriptedMessageBoxes messages;
};

// The user hears nothing of a sound file and exactly once of a damaged one,
// under the file's name, in UTF-8.
void checkMessages(const Load& l, bool sound, Problems& problems) {
  if (sound) return expect(problems, l.messages.shown.empty(), "a sound file gives a message");
  if (l.messages.shown.size() != 1) {
    problems.emplace_back("a damaged file gives no message or several");
    return;
  }
  const ShownMessage& m = l.messages.shown.front();
  expect(problems, m.title == StrokeFileTexts::kDamagedTitle, "a damaged file's message has the wrong title");
  expect(problems, m.prompt.rfind(kDisplayName, 0) == 0, "a damaged file's message does not name the file");
  expect(problems, isValidUtf8(m.prompt), "a damaged file's message is not well-formed UTF-8");
}

// Reads the file into a fresh table, and loads it (呼び出し) over a table full
// of an earlier load's records; both must give the same table.
Load checkedLoad(const std::filesystem::path& path, Problems& problems) {
  Load fresh, reused;
  StrokeFileRead read = readStrokeFile(path, fresh.table, fresh.count);
  checkLoadedTable<StrokeTable, StrokeRecord>(fresh.table, fresh.count, read, kStrokeSlots, problems);
  reused.table.fill(StrokeRecord{7, 7, 7, 7, 7, 7});
  reused.count = 42;
  MissingFileNotice notice = MissingFileNotice::Unset;
  loadStrokeFile(path, kDisplayName, reused.table, reused.count, notice, reused.messages);
  checkMessages(reused, read.ok(), problems);
  expect(problems, fresh.count == reused.count && sameSlots(fresh.table, reused.table, 1, kStrokeSlots),
         "a load over an earlier table differs from a load into a fresh one");
  return fresh;
}

void checkFitting(Load& l, const DrawingSetup& setup, Problems& problems) {
  const StrokeTable loaded = l.table;
  拡大縮小2(l.table, setup.canvas);
  expect(problems, l.table[kStrokeSlots].StartX == StrokeTerminator,
         "scaling leaves no end mark in slot 100");
  checkFittedTable(loaded, l.table, firstEndMark(l.table, kStrokeSlots), true, problems);
  const StrokeTable scaled = l.table;
  補正2(l.table, l.count, setup.canvas);
  expect(problems, l.table[slotOf(l.count)].StartX == StrokeTerminator,
         "correction leaves no end mark at the count");
  checkFittedTable(scaled, l.table, firstEndMark(l.table, kStrokeSlots), false, problems);
}

void checkDrawing(const Load& l, const DrawingSetup& setup, Problems& problems) {
  CheckedCanvas canvas(setup.canvas);
  Control form("Form1");
  form.setGeometry(0, 0, setup.form.width, setup.form.height);
  double thickness = 0;
  StrokeCountValue count = l.count;
  const InkColour ink{300, -5, 12.5};
  描画(l.table, {canvas, form}, setup.Speed, ink, {thickness, count});
  int end = firstEndMark(l.table, kStrokeSlots);
  expect(problems, end != 0 && count == end, "the drawing does not stop at the end mark");
  expect(problems, canvas.drawingCalls() <= brushCallBound(l.table, setup.Speed, setup.canvas),
         "the drawing makes more canvas calls than its table allows");
  canvas.report(problems);
}

}  // namespace

Problems checkStrokeFile(std::string_view bytes) {
  Problems problems;
  Load l = checkedLoad(writeScratchFile("fuzz.mem", bytes), problems);
  if (!problems.empty()) return problems;
  DrawingSetup setup = setupFor(bytes.size());
  checkFitting(l, setup, problems);
  if (problems.empty()) checkDrawing(l, setup, problems);
  return problems;
}

}  // namespace sumimai::fuzz
