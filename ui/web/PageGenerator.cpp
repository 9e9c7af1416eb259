// velmo-web-page SITE GLYPHS: writes the browser's page from the windows' description, so that
// no rectangle, caption, font size, tab order or name is written again in HTML, CSS or script.
// SITE gets index.html, layout.css (where every control sits) and manifest.webmanifest; GLYPHS
// gets glyphs.txt and glyphs-bold.txt, the characters drawn in the shipped face in each weight,
// and floor.html, the page without the engine that its start is measured against.
#include "AboutWindow.h"
#include "BrowserTexts.h"
#include "MainWindow.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace main_window = ui::main_window;
namespace about_window = ui::about_window;

// The Ming-style font the site ships, a subset of it, for devices without 宋体.
constexpr std::string_view kShippedFamily = main_window::kFontFamilies[2];
// What a field shows in the shipped face: the digits typed, and the engine's number text
// (engine/NumberText.cpp: a sign, a decimal point, an exponent). Anything else pasted into a
// field is drawn by the next family in the list until "＝" refuses it.
constexpr std::string_view kFieldCharacters = "0123456789-.E+";
// The page trusts nothing inline: its scripts, styles and engine come from its own files.
constexpr std::string_view kContentPolicy
    = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; object-src 'none'; base-uri 'none'";

std::string Number(double value)
{
    char buffer[32];
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr};
}

std::string Escaped(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

// Left, top, width and height in pixels at 96 DPI; the page scales the whole window.
std::string Box(const ui::TwipsRect& rect)
{
    return "left:" + std::to_string(ui::ToPixels(rect.left)) + "px;top:" + std::to_string(ui::ToPixels(rect.top))
        + "px;width:" + std::to_string(ui::ToPixels(rect.width))
        + "px;height:" + std::to_string(ui::ToPixels(rect.height)) + "px";
}

std::string Size(const ui::TwipsRect& rect)
{
    return "width:" + std::to_string(ui::ToPixels(rect.width))
        + "px;height:" + std::to_string(ui::ToPixels(rect.height)) + "px";
}

// Where every control sits and its font, the shipped face, and what the installed window leaves
// out: the stylesheet the page would otherwise carry inline, which its content policy forbids.
std::string Stylesheet()
{
    std::string families;
    for (const std::string_view family : main_window::kFontFamilies)
        families += (families.empty() ? "\"" : ",\"") + std::string(family) + "\"";
    std::ostringstream css;
    for (const auto& [file, weight] : {std::pair{"serif.woff2", 400}, std::pair{"serif-bold.woff2", 700}}) {
        css << "@font-face{font-family:\"" << kShippedFamily << "\";font-weight:" << weight << ";src:url(" << file
            << ") format(\"woff2\");font-display:block}\n";
    }
    css << ".face{font-family:" << families << "}\n";
    // The installed window's title bar already shows the caption.
    css << "@media (display-mode:standalone){#Form1>.caption{display:none}}\n";
    css << "#Form1 #" << main_window::kPictureName << "{" << Size(main_window::kPicture) << "}\n";
    const auto place = [&css](const ui::Control& control) {
        css << "#Form1 #" << control.name << "{" << Box(control.rect) << ";font-size:" << Number(control.font.points)
            << "pt" << (control.font.bold ? ";font-weight:700" : "") << "}\n";
    };
    for (const ui::Control& field : main_window::kFields)
        place(field);
    for (const ui::Control& button : main_window::kOperatorButtons)
        place(button);
    place(main_window::kEquals);
    place(main_window::kNew);
    for (std::size_t i = 0; i < main_window::kFractionBars.size(); ++i) {
        const ui::TwipsLine& bar = main_window::kFractionBars[i];
        css << "#bar" << i + 1 << "{" << Box({bar.x1, bar.y1, bar.x2 - bar.x1, 0}) << "}\n";
    }
    css << "#Form2 .client{" << Size(about_window::kClientArea) << "}\n";
    css << "#Form2 #" << about_window::kPictureName << "{" << Box(about_window::kPicture) << "}\n";
    for (const ui::Label& label : about_window::kLabels)
        css << "#Form2 #" << label.name << "{" << Box(label.rect) << "}\n";
    return css.str();
}

class PageWriter {
public:
    std::string page(bool withEngine);
    const std::string& glyphs() const { return glyphs_; }
    const std::string& boldGlyphs() const { return boldGlyphs_; }

private:
    static std::string text(std::string_view shown) { return Escaped(shown); }
    std::string faceText(std::string_view shown, bool bold);
    std::string head(bool withEngine);
    std::string control(const ui::Control& control, std::string_view element, std::string_view attributes);
    std::string mainWindow();
    std::string notices();
    std::string menus();
    std::string aboutWindow();
    std::string messageBox();

    std::string glyphs_{kFieldCharacters};
    std::string boldGlyphs_;
};

// Text a control shows in the shipped face, escaped, its characters noted for the font subset.
std::string PageWriter::faceText(std::string_view shown, bool bold)
{
    (bold ? boldGlyphs_ : glyphs_) += shown;
    return Escaped(shown);
}

// The version is on the page so that page.js can tell it was loaded with its own engine.
std::string PageWriter::head(bool withEngine)
{
    std::string head = "<!DOCTYPE html>\n<html lang=\"zh-CN\" data-version=\"" + std::string(ui::product::kVersion)
        + "\"><head><meta charset=\"utf-8\"><meta http-equiv=\"Content-Security-Policy\" content=\""
        + std::string(kContentPolicy)
        + "\"><meta name=\"viewport\" content=\"width=device-width,initial-scale=1\"><title>"
        + text(main_window::kCaption) + "</title><meta name=\"description\" content=\"" + text(ui::product::kSummary)
        + "\"><link rel=\"icon\" href=\"icon-32.png\"><link rel=\"apple-touch-icon\" href=\"icon-180.png\">"
          // Drawn in the shipped face from the first paint: the fonts are fetched with the page.
          "<link rel=\"preload\" href=\"serif.woff2\" as=\"font\" type=\"font/woff2\" crossorigin>"
          "<link rel=\"preload\" href=\"serif-bold.woff2\" as=\"font\" type=\"font/woff2\" crossorigin>"
          "<link rel=\"stylesheet\" href=\"page.css\"><link rel=\"stylesheet\" href=\"layout.css\">";
    if (withEngine)
        head += "<link rel=\"manifest\" href=\"manifest.webmanifest\"><meta name=\"theme-color\" content=\"#f0f0f0\">";
    // page.js binds the window and scales it before the first paint; then it loads the engine it
    // is given, which so takes nothing from the window's own files.
    head += std::string("<script src=\"page.js\" defer blocking=\"render\"")
        + (withEngine ? " data-engine=\"velmo.js\"" : "") + "></script>";
    return head + "</head>\n";
}

std::string PageWriter::control(const ui::Control& control, std::string_view element, std::string_view attributes)
{
    std::ostringstream html;
    // Written in tab order, so Tab and a screen reader agree; a control that is no tab stop is
    // out of both, though scripts still reach it.
    const std::string_view unreachable = control.tabStop ? "" : " tabindex=\"-1\" aria-hidden=\"true\"";
    html << "<" << element << " id=\"" << control.name << "\" class=\"face\"" << unreachable << " aria-label=\""
         << text(control.accessibleName) << "\" " << attributes << ">";
    return html.str();
}

std::string PageWriter::mainWindow()
{
    std::string html = "<main id=\"Form1\" class=\"window\" aria-label=\"" + text(main_window::kCaption)
        + "\"><div class=\"caption\"><img src=\"icon-32.png\" alt=\"\">" + text(main_window::kCaption) + "</div>"
        + menus() + "<div id=\"" + std::string(main_window::kPictureName) + "\" class=\"picture\">";
    std::vector<std::pair<int, std::string>> controls; // by tab index
    for (int i = 0; i < engine::field::kCount; ++i) {
        const ui::Control& field = main_window::kFields[static_cast<std::size_t>(i)];
        std::string attributes = "data-field=\"" + std::to_string(i) + "\" inputmode=\"numeric\" autocomplete=\"off\"";
        if (field.readOnly)
            attributes += " readonly aria-describedby=\"reading\"";
        if (i == engine::field::kWholeA)
            attributes += " autofocus";
        controls.emplace_back(field.tabIndex, control(field, "input", attributes));
    }
    for (std::size_t i = 0; i < main_window::kOperatorButtons.size(); ++i) {
        const ui::Control& button = main_window::kOperatorButtons[i];
        controls.emplace_back(button.tabIndex,
                              control(button, "button", "data-operation=\"" + std::to_string(i) + "\"")
                                  + faceText(button.caption, button.font.bold) + "</button>");
    }
    controls.emplace_back(main_window::kEquals.tabIndex,
                          control(main_window::kEquals, "button", "data-command=\"evaluate\"")
                              + faceText(main_window::kEquals.caption, main_window::kEquals.font.bold) + "</button>");
    controls.emplace_back(main_window::kNew.tabIndex,
                          control(main_window::kNew, "button", "data-command=\"new\"")
                              + faceText(main_window::kNew.caption, main_window::kNew.font.bold) + "</button>");
    std::ranges::stable_sort(controls, {}, &std::pair<int, std::string>::first);
    for (const auto& [tabIndex, written] : controls)
        html += written;
    for (std::size_t i = 1; i <= main_window::kFractionBars.size(); ++i)
        html += "<div class=\"bar\" id=\"bar" + std::to_string(i) + "\"></div>";
    return html + notices() + "</div></main>\n";
}

// What the window says in place of the calculator: while the engine loads, and where it cannot
// run. The second shows unless page.js runs and hides it, so a browser that cannot read the
// script is told too. Both in the system's font: the shipped face holds only what the controls draw.
std::string PageWriter::notices()
{
    return "<div id=\"loading\" class=\"notice\" role=\"status\" hidden>" + text(ui::browser::kLoading)
        + "</div><div id=\"cannot-run\" class=\"notice cannot-run\" role=\"alert\"><p>" + text(ui::browser::kCannotRun)
        + "</p><p>" + text(ui::browser::kWhatToTry) + "</p></div>";
}

std::string PageWriter::menus()
{
    static constexpr auto kCommandNames = [](ui::Command command) {
        switch (command) {
        case ui::Command::None: break;
        case ui::Command::NewCalculation: return "new";
        case ui::Command::Exit: return "exit";
        case ui::Command::About: return "about";
        }
        return "";
    };
    std::ostringstream html;
    // Plain buttons that show and hide their items: no menu roles, whose arrow keys the page lacks.
    html << "<div class=\"menubar\">";
    for (const ui::Menu& menu : main_window::kMenus) {
        html << "<div class=\"menu\"><button id=\"" << menu.name << "\" aria-expanded=\"false\" aria-controls=\""
             << menu.name << "-items\">" << text(menu.caption) << "</button><div id=\"" << menu.name
             << "-items\" class=\"items\" role=\"group\" aria-label=\"" << text(menu.caption) << "\" hidden>";
        for (const ui::MenuItem& item : menu.items) {
            if (item.isSeparator()) {
                html << "<hr id=\"" << item.name << "\" role=\"separator\">";
                continue;
            }
            html << "<button id=\"" << item.name << "\" aria-label=\"" << text(item.caption) << "\" data-command=\""
                 << kCommandNames(item.command) << "\"";
            std::string shortcut;
            if (item.ctrlShortcut) {
                shortcut = std::string("Ctrl+") + item.ctrlShortcut;
                html << " data-shortcut=\"" << item.ctrlShortcut << "\" aria-keyshortcuts=\"Control+"
                     << item.ctrlShortcut << "\"";
            }
            html << ">" << text(item.caption) << "<kbd>" << text(shortcut) << "</kbd></button>";
        }
        html << "</div></div>";
    }
    html << "</div>";
    return html.str();
}

std::string PageWriter::aboutWindow()
{
    std::string html = "<section id=\"Form2\" class=\"window about\" role=\"dialog\" tabindex=\"-1\" aria-label=\""
        + text(about_window::kCaption) + "\" hidden><div class=\"caption\">" + text(about_window::kCaption)
        + "</div><div class=\"client\"><img id=\"" + std::string(about_window::kPictureName)
        + "\" src=\"about.png\" alt=\"\" loading=\"lazy\">"; // fetched when About first opens
    for (const ui::Label& label : about_window::kLabels) {
        html += "<div id=\"" + std::string(label.name) + "\" class=\"label"
            + (label.paper == ui::Paper::WindowBackground ? " window-paper" : "") + "\""
            + (label.clickHides ? "" : " data-keeps-open") + ">" + text(label.text) + "</div>";
    }
    return html + "</div></section>\n";
}

std::string PageWriter::messageBox()
{
    return "<dialog id=\"message\" aria-labelledby=\"message-title\" aria-describedby=\"message-text\">"
           "<div class=\"caption\" id=\"message-title\">"
        + text(ui::product::kName) + "</div><p id=\"message-text\"></p><form method=\"dialog\"><button autofocus>"
        + text(main_window::kMessageButton) + "</button></form></dialog>\n";
}

std::string PageWriter::page(bool withEngine)
{
    return head(withEngine) + "<body>" + mainWindow()
        + "<div id=\"reading\" class=\"unseen\" aria-live=\"polite\"></div><div id=\"bubble\" role=\"tooltip\" "
          "hidden></div>"
        + aboutWindow() + messageBox() + "<button id=\"update\" hidden>" + text(ui::browser::kUpdateReady)
        + "</button></body></html>\n";
}

std::string Manifest()
{
    const std::string name(ui::product::kName);
    return "{\"name\":\"" + name + "\",\"short_name\":\"" + name + "\",\"description\":\""
        + std::string(ui::product::kSummary)
        + "\",\"id\":\"VelmoCalc\",\"lang\":\"zh-CN\",\"start_url\":\".\",\"scope\":\".\",\"display\":\"standalone\","
          "\"background_color\":\"#f0f0f0\",\"theme_color\":\"#f0f0f0\",\"icons\":["
          "{\"src\":\"icon-192.png\",\"sizes\":\"192x192\",\"type\":\"image/png\",\"purpose\":\"any\"},"
          "{\"src\":\"icon-512.png\",\"sizes\":\"512x512\",\"type\":\"image/png\",\"purpose\":\"any\"},"
          "{\"src\":\"icon-maskable-512.png\",\"sizes\":\"512x512\",\"type\":\"image/"
          "png\",\"purpose\":\"maskable\"}]}\n";
}

void Write(const std::filesystem::path& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: velmo-web-page SITE GLYPHS\n";
        return 2;
    }
    const std::filesystem::path site = argv[1], glyphs = argv[2];
    std::filesystem::create_directories(site);
    std::filesystem::create_directories(glyphs);
    PageWriter writer;
    Write(site / "index.html", writer.page(true));
    Write(site / "layout.css", Stylesheet());
    Write(site / "manifest.webmanifest", Manifest());
    Write(glyphs / "floor.html", PageWriter().page(false));
    Write(glyphs / "glyphs.txt", writer.glyphs());
    Write(glyphs / "glyphs-bold.txt", writer.boldGlyphs());
    return 0;
}
