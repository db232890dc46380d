// The diagram library's commands: files, the record choice, and drawing records.
#include "lavix/app/LibraryCommands.h"

#include <cmath>
#include <utility>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "lavix/app/DiagramCommands.h"
#include "lavix/app/Interaction.h"
#include "lavix/app/InverseModelPreparation.h"
#include "lavix/app/Messages.h"
#include "lavix/app/Redraw.h"
#include "lavix/app/Session.h"
#include "lavix/calc/FormulaEvaluator.h"
#include "lavix/diagram/LibraryPage.h"
#include "lavix/recalc/MolecularProportions.h"
#include "lavix/recalc/PyroxeneCheck.h"

namespace lavix::app {

namespace {

using diagram::LibraryRecord;
using diagram::RecordLayout;

// log10 of the missing-value marker: where a value that has no logarithm is put.
constexpr float logOfMissing = 15.0f;

bool haveData(const Session& s) { return s.data.rowCount != 0 && s.data.columnCount != 0; }

std::string fileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A record's diagram, computed on a copy of the current settings.
struct PlottedRecord {
  LibraryRecord record;
  diagram::DiagramSettings settings;
  diagram::OverlayTable overlays;
  std::string note;
};

class RecordPlotter {
 public:
  RecordPlotter(Session& s, const OpenedLibrary& opened, const std::vector<diagram::MoleAmounts>& moles,
                std::string ironLabel)
      : s_(s), opened_(opened), moles_(moles), ironLabel_(std::move(ironLabel)) {
    for (int p = 1; p <= s.page.positionCount; ++p) pageNames_.push_back(s.page.position[static_cast<std::size_t>(p)].name);
  }

  std::optional<PlottedRecord> plot(std::size_t index, const std::optional<GivenAxes>& given = std::nullopt) {
    const std::string& name = opened_.file.records[index].name;
    LibraryRecord r;
    std::string error;
    if (!diagram::decodeLibraryRecord(opened_.file, index, pageNames_, r, error)) return refuse(name, error);
    if (given && !r.ternary()) r.axis[0].log = r.axis[1].log = 0;
    PlottedRecord out{r, s_.diagram, {}, {}};
    diagram::DiagramSettings& d = out.settings;
    d.diagramFamily = diagram::familyName(opened_.family);
    d.diagramKind = r.ternary() ? "TRI" : "XY";
    d.shapeChoice = r.shapeChoice;
    d.pagePosition = r.pagePosition;
    d.pageYSign = 1;
    d.plot.plotRowCount = s_.data.rowCount;
    d.plot.xColumn = d.plot.yColumn = 0;
    d.plot.xTitle = r.axis[0].title;
    d.plot.yTitle = r.axis[1].title;
    d.plot.zTitle = r.ternary() ? r.axis[2].title : std::string();
    if (given && !r.ternary()) {
      d.x = given->x;
      d.y = given->y;
      d.plot.xLog = d.plot.yLog = d.plot.zLog = 0;
    } else if (!r.ternary()) {
      for (int a = 0; a < 2; ++a)
        if (!setAxis(a == 0 ? d.x : d.y, r.axis[static_cast<std::size_t>(a)]))
          return refuse(name, std::string(a == 0 ? "its X" : "its Y") + " axis starts where it ends");
      d.plot.xLog = r.axis[0].log;
      d.plot.yLog = r.axis[1].log;
      d.plot.zLog = 0;
    } else {
      d.plot.xLog = d.plot.yLog = d.plot.zLog = 0;
      d.xClipMin = r.clip[0], d.xClipMax = r.clip[1];
      d.yClipMin = r.clip[2], d.yClipMax = r.clip[3];
      d.zClipMin = r.clip[4], d.zClipMax = r.clip[5];
    }
    const bool lindsley = r.layout == RecordLayout::mt && text::toUpper(r.name).find("LINDSLEY") != std::string::npos;
    if (lindsley) {
      placePyroxenes(d);
    } else {
      const int axes = r.ternary() ? 3 : 2;
      for (int a = 0; a < axes; ++a)
        if (!axisValues(r, a, d)) return refuse(name, "the formula \"" + r.axis[static_cast<std::size_t>(a)].formula +
                                                          "\"" + messages::cannotBeEvaluated);
    }
    out.overlays = overlaysOf(r);
    out.note = r.note;
    if (r.layout == RecordLayout::ct) out.note += "  " + ironLabel_;
    return out;
  }

 private:
  std::optional<PlottedRecord> refuse(const std::string& record, const std::string& what) {
    ui::say(s_.prompts, messages::diagramFile + fileNameOf(opened_.path) + ", diagram " + record + ": " + what);
    return std::nullopt;
  }

  // On a log axis the record's limits are raw values; ticks and numbers are then decades.
  static bool setAxis(diagram::AxisSettings& a, const diagram::LibraryAxis& from) {
    if (from.log == 1) {
      a.start = std::log10(from.start > 0 ? from.start : 1.0f);
      a.end = std::log10(from.end > 0 ? from.end : 10.0f);
      a.tickInterval = 1;
      a.numberStep = 1;
    } else {
      a.start = from.start;
      a.end = from.end;
      a.tickInterval = from.tickInterval;
      a.numberStep = from.numberStep;
    }
    a.span = std::fabs(a.end - a.start);
    a.numberStart = a.start;
    a.numberEnd = a.end;
    a.numberFormat = format::axisNumberMask(a.numberEnd, a.numberStep, a.numberStart);
    return a.span > 0;
  }

  bool axisValues(const LibraryRecord& r, int a, diagram::DiagramSettings& d) {
    const diagram::LibraryAxis& axis = r.axis[static_cast<std::size_t>(a)];
    const bool moleBasis = r.layout == RecordLayout::mt || r.layout == RecordLayout::ct;
    calc::FormulaContext context{s_.data, s_.standard, s_.prompts, r.zerosIn, moleBasis ? "MA" : "U", {}};
    context.absentOxidesZero = true;
    context.normFlag = s_.recalc.recast.recastFlags();
    if (moleBasis)
      context.molecularAmount = [this](int row, int k) {
        const auto at = static_cast<std::size_t>(row);
        return at < moles_.size() && k >= 0 && k < static_cast<int>(moles_[at].size())
                   ? moles_[at][static_cast<std::size_t>(k)]
                   : 0.0f;
      };
    std::vector<float> result(static_cast<std::size_t>(s_.data.rowCount) + 1, 0.0f);
    if (!calc::evaluateFormula(context, axis.formula, result)) return false;
    // After Normalize the flagged columns come recast already: NMX and NMY must not do it twice.
    const bool recast = !context.normFlag && ((a == 0 && r.normaliseX) || (a == 1 && r.normaliseY));
    std::vector<float>& values = a == 0 ? d.plot.xValue : a == 1 ? d.plot.yValue : d.plot.zValue;
    for (int row = 1; row <= s_.data.rowCount && static_cast<std::size_t>(row) < values.size(); ++row) {
      float v = result[static_cast<std::size_t>(row)];
      if (recast) v *= s_.data.totalFactor[static_cast<std::size_t>(row)];
      if (r.layout == RecordLayout::ct) v *= axis.multiplier;
      if (!r.ternary() && axis.log == 1) v = v > 0 ? std::log10(v) : logOfMissing;
      values[static_cast<std::size_t>(row)] = v;
    }
    return true;
  }

  // Each analysis's place on the pyroxene quadrilateral, and the check's message for it.
  void placePyroxenes(diagram::DiagramSettings& d) {
    const recalc::CrNiColumns crNi = recalc::findCrNi(s_.data);
    for (int row = 1; row <= s_.data.rowCount && static_cast<std::size_t>(row) < d.plot.zValue.size(); ++row) {
      recalc::OxideWork w = recalc::oxidesOfRow(s_.data, row);
      w[recalc::feoIndex] += 0.8998f * w[recalc::fe2o3Index];  // all iron as FeO
      w[recalc::fe2o3Index] = 0;
      w[recalc::cr2o3Index] = recalc::cr2o3Percent(s_.data, crNi, row);
      const recalc::PyroxeneCheck check = recalc::checkPyroxene(w, s_.standard);
      const auto at = static_cast<std::size_t>(row);
      d.plot.xValue[at] = d.plot.yValue[at] = d.plot.zValue[at] = 0;
      if (!check.placed) continue;
      ui::say(s_.prompts, recalc::pyroxeneMessage(s_.data.sampleName[at], check));
      d.plot.xValue[at] = check.en;
      d.plot.yValue[at] = check.woValue;
      d.plot.zValue[at] = check.fs;
    }
  }

  static diagram::OverlayTable overlaysOf(const LibraryRecord& r) {
    diagram::OverlayTable t;
    for (const diagram::FieldPoint& p : r.points) {
      t.x.push_back(p.x);
      t.y.push_back(p.y);
      t.pen.push_back(p.pen);
      t.text.emplace_back();
    }
    for (const diagram::FieldLabel& l : r.labels) {
      t.x.push_back(l.x);
      t.y.push_back(l.y);
      t.pen.push_back(0);
      t.text.push_back(l.text);
    }
    t.fieldLines = static_cast<int16_t>(r.points.size());
    t.fieldLabels = static_cast<int16_t>(r.labels.size());
    return t;
  }

  Session& s_;
  const OpenedLibrary& opened_;
  const std::vector<diagram::MoleAmounts>& moles_;
  std::string ironLabel_;
  std::vector<std::string> pageNames_;
};

// The records become the current diagram (the last one) and the diagrams before it on its page.
void show(Session& s, const OpenedLibrary& opened, std::vector<diagram::MoleAmounts> moles,
          std::vector<PlottedRecord> plotted) {
  diagramGuard(s);
  diagram::LibraryState& library = s.library;
  library.family = opened.family;
  library.libraryFile = opened.path;
  library.file = opened.file;
  library.moleAmount = std::move(moles);
  library.endPage();
  const std::size_t count = plotted.size();
  if (count > 1) {
    const std::vector<diagram::PositionArea> cells =
        diagram::libraryPageCells(static_cast<int>(count), s.page.pageLength, s.page.pageWidth);
    for (std::size_t i = 0; i + 1 < count; ++i) {
      PlottedRecord& p = plotted[i];
      library.pageDiagrams.push_back({std::move(p.settings), std::move(p.overlays), p.note, p.record.smallText,
                                      p.record.zerosIn, cells[i]});
    }
    library.currentCell = cells.back();
  }
  PlottedRecord& current = plotted.back();
  library.librarySequence = "YES";
  library.diagramNote = current.note;
  library.smallLabels = current.record.smallText;
  library.currentName = current.record.name;
  s.diagram = std::move(current.settings);
  s.overlays = std::move(current.overlays);
  s.window.zerosIn = current.record.zerosIn;
  s.statsCaption.clear();
  layoutFrame(s);
  redrawDiagram(s);
  setButtonsForKind(s);
}

// One record drawn alone.
bool showOne(Session& s, const OpenedLibrary& opened, std::vector<diagram::MoleAmounts> moles,
             const std::string& ironLabel, std::size_t index, const std::optional<GivenAxes>& axes) {
  RecordPlotter plotter(s, opened, moles, ironLabel);
  std::optional<PlottedRecord> plotted = plotter.plot(index, axes);
  if (!plotted) return false;
  std::vector<PlottedRecord> one;
  one.push_back(std::move(*plotted));
  show(s, opened, std::move(moles), std::move(one));
  return true;
}

// "Select diagram", then the chosen record drawn alone.
void chooseAndShow(Session& s, const OpenedLibrary& opened, std::vector<diagram::MoleAmounts> moles,
                   const std::string& ironLabel) {
  std::vector<std::string> items;
  for (const diagram::LibraryRecordEntry& entry : opened.file.records) items.push_back(" " + recordChoiceLine(entry));
  const int chosen = s.exchange.pickFromList(s.prompts, messages::selectDiagram, items);
  if (chosen < 1 || chosen > static_cast<int>(items.size())) return;
  showOne(s, opened, std::move(moles), ironLabel, static_cast<std::size_t>(chosen - 1), std::nullopt);
}

}  // namespace

std::optional<std::string> chooseLibraryFile(Session& s, const std::string& folder, const char* filter) {
  ui::FileRequest request;
  request.filter = filter;
  request.filterIndex = 1;
  request.folder = s.baseFolder + folder + "/";
  request.defaultName = messages::libraryDefaultName;
  request.mustExist = true;
  std::optional<std::string> chosen = s.prompts.openFile(request);
  if (!chosen || chosen->empty()) return std::nullopt;
  return chosen;
}

std::optional<OpenedLibrary> readLibraryFile(Session& s, const std::string& path, diagram::LibraryFamily family) {
  const std::string shown = messages::diagramFile + fileNameOf(path);
  std::string content;
  text::FileError error;
  if (!text::readFile(path, content, error)) {
    ui::say(s.prompts, shown + ": " + error.text);
    return std::nullopt;
  }
  OpenedLibrary opened{path, family, {}};
  std::string problem;
  if (!diagram::readLibraryText(content, family, opened.file, problem)) {
    ui::say(s.prompts, shown + ": " + problem);
    return std::nullopt;
  }
  if (opened.file.records.empty()) {
    ui::say(s.prompts, shown + messages::holdsNoDiagrams);
    return std::nullopt;
  }
  return opened;
}

bool drawEveryRecord(Session& s, const OpenedLibrary& opened, std::vector<diagram::MoleAmounts> moles,
                     const std::string& ironLabel) {
  RecordPlotter plotter(s, opened, moles, ironLabel);
  std::vector<PlottedRecord> plotted;
  for (std::size_t i = 0; i < opened.file.records.size(); ++i) {
    std::optional<PlottedRecord> p = plotter.plot(i);
    if (!p) return false;
    plotted.push_back(std::move(*p));
  }
  // Alone, the file's diagram fills the page as a record marked FULLPAGE does.
  if (plotted.size() == 1) {
    std::vector<std::string> pageNames;
    for (int p = 1; p <= s.page.positionCount; ++p)
      pageNames.push_back(s.page.position[static_cast<std::size_t>(p)].name);
    diagram::DiagramSettings& alone = plotted.front().settings;
    alone.pagePosition = diagram::markerPosition("FULLPAGE", pageNames, alone.pagePosition);
  }
  show(s, opened, std::move(moles), std::move(plotted));
  return true;
}

void mdiag(Session& s) {
  if (!haveData(s)) return;
  identifyOff(s);
  const std::optional<std::string> path = chooseLibraryFile(s, "Diagrams", messages::diagramFilter);
  if (!path) return;
  if (text::toUpper(*path).find("REEINVERSEMODEL") != std::string::npos) {
    prepareInverseModel(s, *path);
    return;
  }
  const std::optional<OpenedLibrary> opened = readLibraryFile(s, *path, diagram::LibraryFamily::diagrams);
  if (!opened) return;
  chooseAndShow(s, *opened, {}, std::string());
}

bool drawRecord(Session& s, const OpenedLibrary& opened, std::size_t index, const std::optional<GivenAxes>& axes) {
  return showOne(s, opened, {}, std::string(), index, axes);
}

void nextDiag(Session& s) {
  if (!s.library.showing() || s.library.file.records.empty()) return;
  const OpenedLibrary opened{s.library.libraryFile, s.library.family, s.library.file};
  chooseAndShow(s, opened, s.library.moleAmount, s.recalc.iron.feLabel);
}

}  // namespace lavix::app
