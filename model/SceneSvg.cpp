// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SceneSvg.h"

#include "CaptionMetrics.h"
#include "VectorShapes.h"

#include <cmath>
#include <iomanip>
#include <locale>
#include <optional>
#include <sstream>

namespace {
constexpr double twipsPerPixel = 15;
constexpr double sceneLeft = layout::sceneBounds.leftX / twipsPerPixel; // design pixels
constexpr double sceneTop = layout::sceneBounds.topY / twipsPerPixel;
constexpr double settingsLineHeight = 24;

// A number as the earlier files had them: six significant digits, a tie rounded away from
// zero, the shorter of plain and exponent notation as printf's %g has it, a point whatever the
// locale.
std::string number(double v)
{
    if (v == 0 || !std::isfinite(v)) {
        return v == 0 ? "0" : "nan";
    }
    // The exact decimal expansion of v (a double's is finite), its digits and exponent.
    std::ostringstream exact;
    exact.imbue(std::locale::classic());
    exact << std::scientific << std::setprecision(60) << std::abs(v);
    const std::string e = exact.str();
    std::string digits;
    std::size_t i = 0;
    for (; i < e.size() && e[i] != 'e'; ++i) {
        if (e[i] != '.') {
            digits += e[i];
        }
    }
    int exponent = std::stoi(e.substr(i + 1));
    std::string kept = digits.substr(0, 6);
    if (digits[6] >= '5') {
        int at = 5;
        while (at >= 0 && kept[std::size_t(at)] == '9') {
            kept[std::size_t(at--)] = '0';
        }
        if (at < 0) {
            kept = "1" + kept.substr(0, 5);
            ++exponent;
        } else {
            ++kept[std::size_t(at)];
        }
    }
    while (kept.size() > 1 && kept.back() == '0') {
        kept.pop_back();
    }
    std::string out = v < 0 ? "-" : "";
    if (exponent < -4 || exponent >= 6) {
        out += kept.substr(0, 1);
        if (kept.size() > 1) {
            out += "." + kept.substr(1);
        }
        const int magnitude = std::abs(exponent);
        out += exponent < 0 ? "e-" : "e+";
        out += (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
    } else if (exponent < 0) {
        out += "0." + std::string(std::size_t(-exponent - 1), '0') + kept;
    } else if (std::size_t(exponent) + 1 >= kept.size()) {
        out += kept + std::string(std::size_t(exponent) + 1 - kept.size(), '0');
    } else {
        out += kept.substr(0, std::size_t(exponent) + 1) + "." +
               kept.substr(std::size_t(exponent) + 1);
    }
    return out;
}

class Out
{
public:
    Out& operator<<(double v)
    {
        m_text += number(v);
        return *this;
    }
    Out& operator<<(int v)
    {
        m_text += std::to_string(v);
        return *this;
    }
    Out& operator<<(std::string_view s)
    {
        m_text += s;
        return *this;
    }
    Out& operator<<(const char* s)
    {
        m_text += s;
        return *this;
    }
    Out& operator<<(const std::string& s)
    {
        m_text += s;
        return *this;
    }
    const std::string& str() const { return m_text; }

private:
    std::string m_text;
};

std::string hex(Colour c)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string s = "#";
    for (const unsigned byte : {c & 0xFFu, c >> 8 & 0xFFu, c >> 16 & 0xFFu}) {
        s += digits[byte >> 4];
        s += digits[byte & 0xF];
    }
    return s;
}

// Text as XML allows it, marked up as text: control characters left out, the markup escaped.
std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            continue;
        }
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

struct Pen
{
    std::optional<Colour> colour; // none: no outline
    double width = 1;
    bool flat = false;  // flat ends, else square ones
    bool miter = false; // mitred joins, else bevelled ones
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Font
{
    std::string family = "Sans Serif";
    int pixelSize = 12;
    int weight = 400;
};

struct Transform
{
    double scale = 1;
    double dx = 0;
    double dy = 0;
};

struct State
{
    Pen pen;
    std::optional<Colour> brush;
    Transform transform;
    Font font;
    std::vector<Transform> clips; // the transforms the clips in force were set at
    bool clipChanged = false;
};

// The painter the earlier files were written through, cut down to the calls the scene makes:
// each change of state opens a new group when something is drawn next, and saving, restoring
// and clipping open groups of their own.
class SvgPainter
{
public:
    explicit SvgPainter(Out& out) : m_out(out) { m_states.emplace_back(); }

    State& state() { return m_states.back(); }

    void save()
    {
        update();
        State next = state();
        next.clipChanged = false;
        m_states.push_back(std::move(next));
    }

    void restore()
    {
        State inner = std::move(m_states.back());
        m_states.pop_back();
        if (!state().clips.empty() && inner.clipChanged) {
            group(inner);
            for (const Transform& at : state().clips) {
                State replay = inner;
                replay.transform = at;
                group(replay);
            }
        }
        group(state());
        m_dirty = false;
    }

    void setPen(const Pen& pen)
    {
        if (!(state().pen == pen)) {
            state().pen = pen;
            m_dirty = true;
        }
    }
    // A brush of a colour is new every time; no brush is always the same one.
    void setBrush(std::optional<Colour> brush)
    {
        if (brush || state().brush) {
            state().brush = brush;
            m_dirty = true;
        }
    }
    void setFont(Font font)
    {
        state().font = std::move(font);
        m_dirty = true;
    }
    void scale(double s)
    {
        state().transform.scale *= s;
        m_dirty = true;
    }
    void translate(double x, double y)
    {
        Transform& t = state().transform;
        t.dx += t.scale * x;
        t.dy += t.scale * y;
        m_dirty = true;
    }
    void setClip()
    {
        state().clips = {state().transform};
        state().clipChanged = true;
        m_dirty = true;
        update();
    }
    void setClippingOff()
    {
        m_dirty = true;
        update();
    }

    void fillRect(double x, double y, double w, double h, Colour colour)
    {
        const Pen pen = state().pen;
        const std::optional<Colour> brush = state().brush;
        setPen({});
        state().pen.colour.reset();
        m_dirty = true;
        setBrush(colour);
        update();
        m_out << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << w << "\" height=\"" << h
              << "\"/>\n";
        setBrush(brush);
        setPen(pen);
    }

    void polyline(const std::vector<VectorPoint>& points)
    {
        update();
        m_out << "<polyline fill=\"none\" vector-effect=\"none\" points=\"";
        for (const VectorPoint& p : points) {
            m_out << p.x << "," << p.y << " ";
        }
        m_out << "\" />\n";
    }

    void polygon(std::vector<VectorPoint> points)
    {
        update();
        std::vector<VectorPoint> path;
        for (const VectorPoint& p : points) {
            if (path.empty() || !(path.back() == p)) {
                path.push_back(p);
            }
        }
        if (path.size() > 1 && !(path.back() == path.front())) {
            path.push_back(path.front());
        }
        m_out << "<path vector-effect=\"none\" fill-rule=\"evenodd\" d=\"";
        for (std::size_t i = 0; i < path.size(); ++i) {
            m_out << (i == 0 ? "M" : " L") << path[i].x << "," << path[i].y;
        }
        m_out << "\"/>\n";
    }

    void circle(VectorPoint centre, double r)
    {
        update();
        const double left = centre.x - r;
        const double top = centre.y - r;
        m_out << "<circle cx=\"" << left + 2 * r / 2 << "\" cy=\"" << top + 2 * r / 2 << "\" r=\""
              << 2 * r / 2 << "\"/>\n";
    }

    void text(double x, double y, std::string_view words)
    {
        update();
        const Font& f = state().font;
        m_out << "<text fill=\"" << hex(state().pen.colour.value_or(colours::black))
              << "\" fill-opacity=\"1\" stroke=\"none\" xml:space=\"preserve\" x=\"" << x
              << "\" y=\"" << y << "\" font-family=\"" << f.family << "\" font-size=\""
              << f.pixelSize << "\" font-weight=\"" << f.weight << "\" font-style=\"normal\" \n >"
              << escaped(words) << "</text>\n";
    }

    void end() { m_out << "</g>\n</g>\n</svg>\n"; }

private:
    void update()
    {
        if (m_dirty) {
            group(state());
            m_dirty = false;
        }
    }

    void group(const State& s)
    {
        m_out << (m_opened ? "</g>\n\n<g " : "\n<g ");
        m_opened = true;
        if (s.brush) {
            m_out << "fill=\"" << hex(*s.brush) << "\" fill-opacity=\"1\" ";
        } else {
            m_out << "fill=\"none\" ";
        }
        if (s.pen.colour) {
            m_out << "stroke=\"" << hex(*s.pen.colour) << "\" stroke-opacity=\"1\" stroke-width=\""
                  << s.pen.width << "\" stroke-linecap=\"" << (s.pen.flat ? "butt" : "square")
                  << "\" "
                  << (s.pen.miter ? "stroke-linejoin=\"miter\" stroke-miterlimit=\"2\" "
                                  : "stroke-linejoin=\"bevel\" ");
        } else {
            m_out << "stroke=\"none\" ";
        }
        const Transform& t = s.transform;
        m_out << "transform=\"matrix(" << t.scale << ",0,0," << t.scale << "," << t.dx << ","
              << t.dy << ")\"\nfont-family=\"" << s.font.family << "\" font-size=\""
              << s.font.pixelSize << "\" font-weight=\"" << s.font.weight
              << "\" font-style=\"normal\" \n>\n";
    }

    Out& m_out;
    std::vector<State> m_states;
    bool m_dirty = false;
    bool m_opened = false;
};

std::int64_t floor64(double v)
{
    return std::int64_t(std::floor(v * 64));
}

std::int64_t round64(double v)
{
    return std::int64_t(std::lround(v * 64));
}

std::int64_t floorHalf(std::int64_t v)
{
    return v >= 0 ? v / 2 : -((-v + 1) / 2);
}

// Where text set in box with alignment, vertically centred, has its baseline start, in 64ths
// of a pixel as the window's text layout puts it.
std::pair<double, double> textOrigin(std::string_view text, const FontMetrics64& metrics,
                                     double left, double top, double width, double height,
                                     layout::Alignment alignment)
{
    std::int64_t x = floor64(left);
    if (alignment != layout::Alignment::Left) {
        const std::int64_t room = floor64(width) - metrics.advance(text);
        x += alignment == layout::Alignment::Right ? room : floorHalf(room);
    }
    const std::int64_t y = round64(top) +
                           floorHalf(floor64(height) - (metrics.ascent + metrics.descent)) +
                           metrics.ascent;
    return {double(x) / 64, double(y) / 64};
}

void drawShapes(SvgPainter& painter, const DrawingList& list)
{
    painter.save();
    painter.setClip();
    const VectorRect clip{layout::sceneBounds.leftX, layout::sceneBounds.topY,
                          11445 - layout::sceneBounds.leftX, 7815 - layout::sceneBounds.topY};
    for (const VectorShape& shape : vectorShapes(list, clip)) {
        painter.setPen({shape.colour, shape.width * twipsPerPixel, true, true});
        switch (shape.kind) {
        case VectorShape::Kind::Polyline:
            painter.setBrush(std::nullopt);
            painter.polyline(shape.points);
            break;
        case VectorShape::Kind::Circle:
            painter.setBrush(std::nullopt);
            painter.circle(shape.points[0], shape.radius);
            break;
        case VectorShape::Kind::Polygon:
            painter.setBrush(shape.colour);
            painter.polygon(shape.points);
            break;
        }
    }
    painter.restore();
}
} // namespace

std::string sceneSvg(const SceneSvgContent& content)
{
    constexpr double width = sceneSvgWidth;
    constexpr double height = sceneSvgHeight;
    Out out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg width=\""
        << width * 25.4 / 96 << "mm\" height=\"" << height * 25.4 / 96 << "mm\"\n viewBox=\"0 0 "
        << sceneSvgWidth << " " << sceneSvgHeight
        << "\"\n xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
           " version=\"1.2\" baseProfile=\"tiny\">\n<title>Brontel</title>\n<desc>"
        << escaped(content.settingsLine)
        << "</desc>\n<defs>\n</defs>\n<g fill=\"none\" stroke=\"black\" stroke-width=\"1\" "
           "fill-rule=\"evenodd\" stroke-linecap=\"square\" stroke-linejoin=\"bevel\" >\n";

    SvgPainter painter(out);
    painter.state().pen.colour = colours::black;
    painter.save();
    painter.scale(1);
    painter.fillRect(0, 0, width, height, colours::sceneGrey);
    painter.translate(-sceneLeft, -sceneTop);
    painter.setClip();

    // The window's own surface lies beneath the picture: its line controls show before a run.
    for (std::size_t i = 0; i < layout::lines.size(); ++i) {
        const layout::LineControl& line = layout::lines[i];
        const int y1 = i == 0 ? content.markerY : line.y1;
        const int y2 = i == 0 ? content.markerY : line.y2;
        painter.setPen({colours::black, double(line.width), true, false});
        painter.polyline({{line.x1 / twipsPerPixel, y1 / twipsPerPixel},
                          {line.x2 / twipsPerPixel, y2 / twipsPerPixel}});
    }

    painter.save();
    painter.scale(1 / twipsPerPixel);
    if (content.drawing != nullptr) {
        drawShapes(painter, *content.drawing);
    }
    if (content.prediction != nullptr) {
        drawShapes(painter, *content.prediction);
    }
    painter.restore();

    for (const SvgCaption& caption : content.captions) {
        painter.fillRect(caption.left, caption.top, caption.width, caption.height, caption.ground);
        painter.setFont({"Times New Roman", caption.pixelSize, 700});
        painter.setPen({colours::black, 1, false, false});
        const auto [x, y] =
            textOrigin(caption.text, serifBoldMetrics(caption.pixelSize), caption.left + 2,
                       caption.top, caption.width - 4, caption.height, caption.alignment);
        painter.text(x, y, caption.text);
    }
    painter.setClippingOff();
    painter.translate(sceneLeft, sceneTop);
    painter.setFont({"Liberation Sans", 13, 400});
    painter.setPen({colours::black, 1, false, false});
    const double lineTop = height - settingsLineHeight;
    const auto [x, y] = textOrigin(content.settingsLine, sansMetrics(13), 8, lineTop, width - 16,
                                   settingsLineHeight, layout::Alignment::Left);
    painter.text(x, y, content.settingsLine);
    painter.restore();
    painter.end();
    return out.str();
}
