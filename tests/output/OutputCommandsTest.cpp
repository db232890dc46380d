// The print, metafile, clipboard and export commands, driven on a session with a diagram.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "common/graphics/WmfWriter.h"
#include "common/ui/ScriptedPicture.h"
#include "lavix/app/OutputCommands.h"
#include "lavix/app/Redraw.h"
#include "tests/support/LavixSessions.h"

namespace lavix::testing {
namespace {

namespace texts = app::outputTexts;

std::uint16_t word(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

int textCount(const graphics::Recording& recording, const std::string& text) {
  int count = 0;
  for (const graphics::Operation& op : recording.operations())
    if (const auto* t = std::get_if<graphics::Text>(&op); t && t->text == text) ++count;
  return count;
}

class OutputCommandsTest : public DiagramFixture {
 protected:
  void SetUp() override {
    DiagramFixture::SetUp();
    session().picture = &picture;
    xy("SiO2", "K2O");
    ASSERT_FALSE(session().recording.empty());
  }

  std::string path(const std::string& name) const { return f.folder.path() + "/" + name; }
  bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }

  // The screen is back: upward page y, screen device, the screen's window.
  void expectScreen() {
    EXPECT_EQ(settings().pageYSign, 1);
    EXPECT_EQ(session().output.outputDevice, diagram::OutputDevice::Screen);
    EXPECT_LT(session().recording.windowExtent().y, 0);
    EXPECT_FALSE(session().recording.empty());
  }

  // The last transcript line of one kind ("print: ", "message: " ...); status lines come between.
  std::string last(const std::string& kind) const {
    const auto& lines = f.transcript.lines();
    for (auto line = lines.rbegin(); line != lines.rend(); ++line)
      if (line->rfind(kind, 0) == 0) return *line;
    return {};
  }

  void print(const std::string& answer) {
    f.prompts.queueAnswers({answer});
    app::menuPrint(session());
  }

  ui::ScriptedPicture picture{f.transcript};
};

TEST(WmfName, ADotInTheFileNameKeepsItAsTyped) {
  const std::pair<const char*, const char*> cases[] = {
      {"diagram", "diagram.wmf"},          {"diagram.emf", "diagram.emf"},
      {"diagram.txt", "diagram.txt"},      {"diagram.", "diagram."},
      {"my.plots/diagram", "my.plots/diagram.wmf"}, {"C:\\a.b\\diagram", "C:\\a.b\\diagram.wmf"}};
  for (const auto& [typed, used] : cases) EXPECT_EQ(app::withWmfExtension(typed), used) << typed;
}

TEST_F(OutputCommandsTest, ThePageBoxFollowsThePositionsOrientation) {
  struct Case {
    int16_t position;
    std::uint16_t right, bottom;
  };
  for (const Case c : {Case{1, 11000, 8500}, Case{9, 8500, 11000}}) {
    settings().pagePosition = c.position;
    app::redrawDiagram(session());
    f.prompts.queueAnswers({"page.wmf"});
    app::mnuSaveDiaPage(session());
    const std::string bytes = readWholeFile(path("page.wmf"));
    ASSERT_GT(bytes.size(), 22u);
    EXPECT_EQ(word(bytes, 10), c.right) << c.position;
    EXPECT_EQ(word(bytes, 12), c.bottom) << c.position;
    EXPECT_EQ(word(bytes, 20), 0x5711 ^ c.right ^ c.bottom ^ 1000) << c.position;
  }
}

TEST_F(OutputCommandsTest, AFileThatCannotBeCreatedIsSkippedSilently) {
  const std::size_t before = f.transcript.size();
  f.prompts.queueAnswers({"no such folder/plot"});
  app::mnuSaveDiag(session());
  EXPECT_FALSE(exists("no such folder/plot.wmf"));
  EXPECT_FALSE(f.transcript.contains(before, f.transcript.size(), "message:"));
  expectScreen();
  EXPECT_FALSE(app::writeDiagramMetafile(session(), path("no such folder/plot.wmf")));
  EXPECT_TRUE(app::writeDiagramMetafile(session(), path("plot.wmf")));
  expectScreen();
}

TEST_F(OutputCommandsTest, MetafileOutputGivesTheScreenItsSettingsBack) {
  const std::size_t screenOps = session().recording.size();
  for (const int16_t orientation : {1, -1}) {
    settings().yLabelOrientation = orientation;
    f.prompts.queueAnswers({"plot.wmf"});
    app::mnuSaveDiag(session());
    EXPECT_EQ(settings().yLabelOrientation, orientation);
    expectScreen();
    app::mnuClipnopage(session());
    EXPECT_EQ(settings().yLabelOrientation, orientation);
    expectScreen();
  }
  EXPECT_EQ(session().recording.size(), screenOps);
}

TEST_F(OutputCommandsTest, ClipboardCopyHoldsWhatGarbWmfHolds) {
  session().window.identifyMode = true;
  app::mnuClipPage(session());
  EXPECT_EQ(last("clipboard: "), "clipboard: picture (wmf, svg, png)");
  EXPECT_FALSE(session().window.identifyMode);
  const std::string garb = readWholeFile(path("garb.wmf"));
  ASSERT_EQ(picture.copies(), 1);
  EXPECT_EQ(garb, std::string(picture.clipboardWmf().begin(), picture.clipboardWmf().end()));
  EXPECT_EQ(word(garb, 10), 11000);  // with the page
  EXPECT_NE(picture.clipboardSvg().find("<svg"), std::string::npos);
  EXPECT_TRUE(session().clipboardState.empty());
  expectScreen();

  app::CopyToMetaClip(session());
  EXPECT_EQ(session().clipboardState, "NOGS");
  EXPECT_EQ(picture.copies(), 2);
  EXPECT_EQ(word(readWholeFile(path("garb.wmf")), 10), 11000);  // withPage stays as chosen last
  app::mnuClipnopage(session());
  EXPECT_EQ(word(readWholeFile(path("garb.wmf")), 10), 6000);
}

TEST_F(OutputCommandsTest, TwoDiagramsOnOnePage) {
  settings().pagePosition = 2;
  ASSERT_TRUE(session().overlays.addUserLabel(60, 1, "first only"));
  app::redrawDiagram(session());
  print("No");
  EXPECT_EQ(session().overlays.userLabels, 0);  // the next diagram starts without them
  EXPECT_EQ(textCount(session().recording, "first only"), 0);
  EXPECT_EQ(session().output.pageOpenCount, 1);
  EXPECT_NE(session().window.status.find("/page open"), std::string::npos);
  EXPECT_TRUE(picture.printedPages().empty());
  const std::size_t firstOps = session().printPage.size();
  ASSERT_GT(firstOps, 0u);

  settings().pagePosition = 3;
  app::redrawDiagram(session());
  print("Yes");
  EXPECT_EQ(last("print: "), "print: page landscape, 2 diagrams");
  ASSERT_EQ(picture.printedPages().size(), 1u);
  // Both frames are on the page: the left half's and the right half's left edges.
  int leftHalf = 0, rightHalf = 0;
  for (const graphics::Operation& op : picture.printedPages()[0].operations())
    if (const auto* line = std::get_if<graphics::Polyline>(&op); line && line->points.size() == 5) {
      leftHalf += line->points[0].x == 1200;
      rightHalf += line->points[0].x == 5800;
    }
  EXPECT_EQ(leftHalf, 1);
  EXPECT_EQ(rightHalf, 1);
  EXPECT_EQ(textCount(picture.printedPages()[0], "first only"), 1);
  EXPECT_GT(picture.printedPages()[0].size(), firstOps);
  EXPECT_EQ(session().output.pageOpenCount, 0);
  EXPECT_EQ(session().window.status.find("/page open"), std::string::npos);
}

TEST_F(OutputCommandsTest, WithoutAPrinterPortYesSaysSo) {
  session().picture = nullptr;
  print("Yes");
  EXPECT_EQ(last("message: "), "message: No printer is installed");
  EXPECT_EQ(session().output.pageOpenCount, 0);
  expectScreen();
}

TEST_F(OutputCommandsTest, ExportWritesTheScreensPictureByTheNamesEnding) {
  std::vector<std::string> written;
  ui::ScriptedPicture raster(f.transcript, [&written](const graphics::Recording& r, const std::string& format,
                                                      const std::string& where) -> std::optional<std::string> {
    written.push_back(format + " " + where + (r.windowExtent().y < 0 ? " screen" : " other"));
    return std::nullopt;
  });
  session().picture = &raster;
  f.prompts.queueAnswers({"pic.svg"});
  app::mnuExport(session());
  EXPECT_TRUE(f.shown("file: save PNG images (*.png)|*.png|SVG pictures (*.svg)|*.svg|PDF documents (*.pdf)|*.pdf| "
                      "| title: Export picture | name: *.png"));
  EXPECT_NE(readWholeFile(path("pic.svg")).find("<svg"), std::string::npos);
  f.prompts.queueAnswers({"pic.PDF"});
  app::mnuExport(session());
  f.prompts.queueAnswers({"pic"});
  app::mnuExport(session());
  EXPECT_EQ(written, (std::vector<std::string>{"pdf " + path("pic.PDF") + " screen", "png " + path("pic.png") + " screen"}));

  f.prompts.queueAnswers({"pic.gif"});
  app::mnuExport(session());
  EXPECT_EQ(last("message: "), "message: Export the picture as a .png, .svg or .pdf file");
  EXPECT_FALSE(exists("pic.gif"));

  session().picture = &picture;  // no window system behind it
  f.prompts.queueAnswers({"pic.png"});
  app::mnuExport(session());
  EXPECT_EQ(last("message: "), "message: The picture could not be written: cannot write png without the window system");
  expectScreen();
}

TEST(OutputCommandsNoDiagram, NothingHappensWithoutDataOrDiagram) {
  for (const bool withData : {false, true}) {
    SessionFixture f;
    ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
    ui::ScriptedPicture picture(f.transcript);
    f.session->picture = &picture;
    if (withData) {
      f.folder.write("Data Files/small.txt", smallDataSet());
      f.click("mOpen", {"Data Files/small.txt"});
      ASSERT_EQ(f.session->data.rowCount, 8);
    }
    const std::size_t before = f.transcript.size();
    app::Session& s = *f.session;
    for (void (*command)(app::Session&) : {app::menuPrint, app::mnuSaveDiag, app::mnuSaveDiaPage, app::SaveWMF,
                                           app::mnuClipnopage, app::mnuClipPage, app::copytoclip,
                                           app::CopyToMetaClip, app::mnuExport})
      command(s);
    EXPECT_EQ(f.transcript.size(), before) << withData;
    EXPECT_FALSE(std::filesystem::exists(f.folder.path() + "/garb.wmf"));
    EXPECT_EQ(picture.copies(), 0);
    EXPECT_TRUE(s.clipboardState.empty());
    EXPECT_TRUE(s.recording.empty());
  }
}

}  // namespace
}  // namespace lavix::testing
