// make_face.cpp - draws the front face of the VANTRO-2 flight & engine monitor and
// writes it as a 371 x 371 colour JPEG (the simulator window's background picture).
//
// Build and run from the project root:
//   g++ -std=c++17 -O2 tools/face/make_face.cpp -ljpeg -o /tmp/make_face && /tmp/make_face assets/face.jpg
//
// Everything is drawn procedurally. All geometry below is given in WINDOW pixels
// (the window shows the picture stretched to 336 x 323), so circles come out round
// on screen and the parts line up with the window's display panel and click areas.
// Each picture pixel is supersampled for anti-aliasing.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

// ---------------------------------------------------------------------------------
// Picture, colours and the window <-> picture mapping
// ---------------------------------------------------------------------------------

constexpr int kPictureSize = 371;
constexpr double kWindowWidth = 336.0;
constexpr double kWindowHeight = 323.0;
constexpr int kSamplesPerAxis = 4;  // 16 samples per picture pixel
constexpr int kJpegQuality = 92;
constexpr double kPi = 3.14159265358979323846;

struct Colour {
    double r = 0, g = 0, b = 0;
};
Colour operator+(Colour a, Colour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Colour operator*(Colour a, double k) { return {a.r * k, a.g * k, a.b * k}; }
Colour Mix(Colour a, Colour b, double t) { return a * (1.0 - t) + b * t; }
Colour Grey(double v) { return {v, v, v}; }

double Clamp01(double v) { return std::min(1.0, std::max(0.0, v)); }
double SmoothStep(double e0, double e1, double x) {
    const double t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0 - 2.0 * t);
}

/// Axis-aligned box in window pixels.
struct Box {
    double left, top, right, bottom;
};

/// Result of shading one sample: how much it covers (0..1) and its colour.
struct Sample {
    double alpha = 0;
    Colour colour;
};
using Shader = std::function<Sample(double u, double v)>;

class Picture {
public:
    Picture() : pixels_(kPictureSize * kPictureSize) {}

    /// Paints a layer over the pixels whose window footprint meets `area`. The shader is
    /// called with window coordinates for every sub-sample; the averaged result is
    /// blended over what is already there.
    void Paint(const Box &area, const Shader &shade) {
        const double toPicX = kPictureSize / kWindowWidth;
        const double toPicY = kPictureSize / kWindowHeight;
        const int x0 = std::max(0, static_cast<int>(std::floor(area.left * toPicX)) - 1);
        const int x1 = std::min(kPictureSize - 1, static_cast<int>(std::ceil(area.right * toPicX)) + 1);
        const int y0 = std::max(0, static_cast<int>(std::floor(area.top * toPicY)) - 1);
        const int y1 = std::min(kPictureSize - 1, static_cast<int>(std::ceil(area.bottom * toPicY)) + 1);
        const double n = kSamplesPerAxis * kSamplesPerAxis;
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                Colour sum;
                double cover = 0;
                for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
                    for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
                        const double px = x + (sx + 0.5) / kSamplesPerAxis;
                        const double py = y + (sy + 0.5) / kSamplesPerAxis;
                        const Sample s = shade(px / toPicX, py / toPicY);
                        sum = sum + s.colour * s.alpha;
                        cover += s.alpha;
                    }
                }
                if (cover <= 0) continue;
                Colour &dst = pixels_[y * kPictureSize + x];
                dst = dst * (1.0 - cover / n) + sum * (1.0 / n);
            }
        }
    }

    /// Writes the picture as a baseline JPEG without chroma subsampling.
    bool WriteJpeg(const char *path) const {
        FILE *file = std::fopen(path, "wb");
        if (!file) return false;
        jpeg_compress_struct info;
        jpeg_error_mgr errors;
        info.err = jpeg_std_error(&errors);
        jpeg_create_compress(&info);
        jpeg_stdio_dest(&info, file);
        info.image_width = kPictureSize;
        info.image_height = kPictureSize;
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, kJpegQuality, TRUE);
        info.optimize_coding = TRUE;
        for (int c = 0; c < 3; ++c) {
            info.comp_info[c].h_samp_factor = 1;
            info.comp_info[c].v_samp_factor = 1;
        }
        jpeg_start_compress(&info, TRUE);
        std::vector<JSAMPLE> row(kPictureSize * 3);
        for (int y = 0; y < kPictureSize; ++y) {
            for (int x = 0; x < kPictureSize; ++x) {
                const Colour &c = pixels_[y * kPictureSize + x];
                row[x * 3 + 0] = ToByte(c.r);
                row[x * 3 + 1] = ToByte(c.g);
                row[x * 3 + 2] = ToByte(c.b);
            }
            JSAMPROW rows[1] = {row.data()};
            jpeg_write_scanlines(&info, rows, 1);
        }
        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        return std::fclose(file) == 0;
    }

private:
    static JSAMPLE ToByte(double v) { return static_cast<JSAMPLE>(std::lround(std::min(255.0, std::max(0.0, v)))); }
    std::vector<Colour> pixels_;
};

// ---------------------------------------------------------------------------------
// Shapes (signed distances in window pixels, negative inside) and lighting
// ---------------------------------------------------------------------------------

/// Signed distance to a rounded rectangle.
double RoundedBoxDistance(double u, double v, const Box &b, double radius) {
    const double cx = (b.left + b.right) * 0.5, cy = (b.top + b.bottom) * 0.5;
    const double hx = (b.right - b.left) * 0.5 - radius, hy = (b.bottom - b.top) * 0.5 - radius;
    const double qx = std::fabs(u - cx) - hx, qy = std::fabs(v - cy) - hy;
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

/// Outward direction of a rounded rectangle's edge nearest to (u, v), as a unit vector.
void RoundedBoxNormal(double u, double v, const Box &b, double radius, double &nx, double &ny) {
    const double e = 0.05;
    nx = RoundedBoxDistance(u + e, v, b, radius) - RoundedBoxDistance(u - e, v, b, radius);
    ny = RoundedBoxDistance(u, v + e, b, radius) - RoundedBoxDistance(u, v - e, b, radius);
    const double len = std::hypot(nx, ny);
    if (len > 1e-9) {
        nx /= len;
        ny /= len;
    } else {
        nx = 0;
        ny = -1;
    }
}

/// Distance from a point to the segment (ax, ay)-(bx, by).
double SegmentDistance(double u, double v, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? Clamp01(((u - ax) * dx + (v - ay) * dy) / len2) : 0.0;
    return std::hypot(u - (ax + t * dx), v - (ay + t * dy));
}

/// Light falls from the upper left, a little in front of the panel.
struct Light {
    double x = -0.45, y = -0.60, z = 0.66;
};
const Light kLight;

/// Diffuse light, and a tight glossy highlight, for a unit surface normal (viewer straight ahead).
double Lambert(double nx, double ny, double nz) { return std::max(0.0, nx * kLight.x + ny * kLight.y + nz * kLight.z); }
double Gloss(double nx, double ny, double nz, double power) {
    // Half vector between the light and the viewer (0, 0, 1).
    double hx = kLight.x, hy = kLight.y, hz = kLight.z + 1.0;
    const double len = std::sqrt(hx * hx + hy * hy + hz * hz);
    hx /= len;
    hy /= len;
    hz /= len;
    return std::pow(std::max(0.0, nx * hx + ny * hy + nz * hz), power);
}

/// How much of the in-plane direction (nx, ny) faces the light (-1..1).
double FacingLight(double nx, double ny) {
    const double len = std::hypot(kLight.x, kLight.y);
    return (nx * kLight.x + ny * kLight.y) / len;
}

/// Small repeatable grain so flat surfaces read as a painted material.
double Grain(double u, double v) {
    const auto cell = [](int64_t x, int64_t y) {
        uint64_t h = static_cast<uint64_t>(x) * 0x9E3779B97F4A7C15ull ^ static_cast<uint64_t>(y) * 0xC2B2AE3D27D4EB4Full;
        h ^= h >> 29;
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 32;
        return static_cast<double>(h & 0xFFFF) / 65535.0 - 0.5;
    };
    return cell(static_cast<int64_t>(std::floor(u * 2.0)), static_cast<int64_t>(std::floor(v * 2.0)));
}

Box Around(double cx, double cy, double r) { return {cx - r, cy - r, cx + r, cy + r}; }

/// A soft round shadow cast on the panel by a part of radius r.
void DrawRoundShadow(Picture &pic, double cx, double cy, double r, double strength) {
    const double ox = 1.6, oy = 2.4, blur = 3.5;
    pic.Paint(Around(cx + ox, cy + oy, r + blur), [=](double u, double v) {
        const double d = std::hypot(u - cx - ox, v - cy - oy) - r;
        return Sample{strength * (1.0 - SmoothStep(-blur, blur, d)), Grey(0)};
    });
}

// ---------------------------------------------------------------------------------
// Layout (window pixels)
// ---------------------------------------------------------------------------------

const Box kPanel{0, 0, kWindowWidth, kWindowHeight};
const Box kDisplay{39, 92, 39 + 259, 92 + 131};  // the real display image goes on top
constexpr double kRecessMargin = 9.0;           // chamfered frame around the display

struct Point {
    double x, y;
};
const Point kLeftButton{72 + 24.5, 241 + 24.5};
const Point kCentreButton{143 + 24.5, 254 + 24.5};
const Point kRightButton{212 + 24.5, 241 + 24.5};
const Point kLamp{153 + 14.5, 16 + 14.5};
constexpr double kLampRadius = 14.5;
const Point kKnob{300.0, 277.0};
constexpr double kKnobRadius = 24.0;
constexpr double kScrewInset = 13.0;

// ---------------------------------------------------------------------------------
// Parts
// ---------------------------------------------------------------------------------

/// The instrument's front plate: dark satin paint, a soft top-to-bottom falloff and a
/// rounded, bevelled outer edge. Outside the plate is the (darker) aircraft panel.
void DrawBezel(Picture &pic) {
    const Box plate{0.8, 0.8, kWindowWidth - 0.8, kWindowHeight - 0.8};
    const double radius = 11.0, bevel = 6.0;
    pic.Paint(kPanel, [=](double u, double v) {
        const double d = RoundedBoxDistance(u, v, plate, radius);
        if (d > 0) return Sample{1, Colour{14, 14, 16}};
        const double height = v / kWindowHeight;
        Colour base = Mix(Colour{58, 60, 65}, Colour{40, 41, 45}, height);
        base = base + Grey(Grain(u, v) * 3.0);
        const double edge = 1.0 - Clamp01(-d / bevel);  // 1 at the rim, 0 inward
        if (edge > 0) {
            double nx, ny;
            RoundedBoxNormal(u, v, plate, radius, nx, ny);
            const double slope = std::sin(edge * kPi * 0.5);
            base = base + Grey(46.0 * slope * FacingLight(nx, ny));
            base = base * (1.0 - 0.25 * SmoothStep(0.75, 1.0, edge));  // rim rolls away
        }
        return Sample{1, base};
    });
}

/// A recessed Phillips screw head at (cx, cy); `turn` is the slot angle in radians.
void DrawScrew(Picture &pic, double cx, double cy, double turn) {
    const double head = 5.8, seat = 7.4;
    // Countersunk seat: dark at the top (in shadow), catching light at the bottom.
    pic.Paint(Around(cx, cy, seat + 1), [=](double u, double v) {
        const double dx = u - cx, dy = v - cy, r = std::hypot(dx, dy);
        const double alpha = Clamp01(seat + 0.5 - r);
        const double facing = r > 1e-6 ? FacingLight(-dx / r, -dy / r) : 0.0;
        return Sample{alpha, Grey(26.0 - 14.0 * facing)};
    });
    pic.Paint(Around(cx, cy, head + 1), [=](double u, double v) {
        const double dx = (u - cx) / head, dy = (v - cy) / head, r = std::hypot(dx, dy);
        const double alpha = Clamp01((1.0 - r) * head + 0.5);
        if (alpha <= 0) return Sample{};
        // Low dome of brushed steel.
        const double nx = dx * 0.55, ny = dy * 0.55, nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
        double shade = 70.0 + 120.0 * Lambert(nx, ny, nz) + 90.0 * Gloss(nx, ny, nz, 40.0);
        // Cross recess: two slots rotated by `turn`, with a lit lower edge.
        const double c = std::cos(turn), s = std::sin(turn);
        const double a = dx * c + dy * s, b = -dx * s + dy * c;
        const double slotHalf = 0.15, slotLength = 0.72;
        const double inA = (std::fabs(b) < slotHalf && std::fabs(a) < slotLength) ? 1.0 : 0.0;
        const double inB = (std::fabs(a) < slotHalf && std::fabs(b) < slotLength) ? 1.0 : 0.0;
        if (inA > 0 || inB > 0) shade = 34.0 + 26.0 * Clamp01(0.5 + dy * 1.5);
        return Sample{alpha, Colour{shade, shade * 1.01, shade * 1.04}};
    });
}

/// The display window: a chamfered recess framing the LCD, with a dark gasket and glass.
void DrawDisplayRecess(Picture &pic) {
    const Box inner = kDisplay;
    const Box outer{inner.left - kRecessMargin, inner.top - kRecessMargin, inner.right + kRecessMargin,
                    inner.bottom + kRecessMargin};
    const double outerRadius = 7.0, innerRadius = 2.0;
    pic.Paint(outer, [=](double u, double v) {
        const double dOuter = RoundedBoxDistance(u, v, outer, outerRadius);
        const double alpha = Clamp01(0.5 - dOuter);
        if (alpha <= 0) return Sample{};
        const double dInner = RoundedBoxDistance(u, v, inner, innerRadius);
        if (dInner > 2.0) {
            // Chamfer sloping down towards the glass; its face looks inward.
            double nx, ny;
            RoundedBoxNormal(u, v, inner, innerRadius, nx, ny);
            const double facing = FacingLight(-nx, -ny);
            double shade = 30.0 + 22.0 * facing;
            shade += Grain(u, v) * 2.0;
            // Thin lit lip where the plate turns into the chamfer.
            shade += 26.0 * SmoothStep(-1.6, -0.2, dOuter) * std::max(0.0, -facing) +
                     10.0 * SmoothStep(-1.6, -0.2, dOuter);
            return Sample{alpha, Colour{shade, shade * 1.02, shade * 1.06}};
        }
        if (dInner > 0.0) return Sample{alpha, Grey(7)};  // rubber gasket
        // Glass over an unlit LCD: near black with a faint diagonal sheen.
        const double t = ((u - inner.left) + (v - inner.top) * 1.6) / (inner.right - inner.left);
        const double sheen = 5.0 * std::exp(-std::pow((t - 0.35) * 5.0, 2.0));
        return Sample{alpha, Colour{12 + sheen, 16 + sheen, 15 + sheen}};
    });
}

/// One round push button with its raised collar, centred at (cx, cy).
/// `mark` is drawn on the cap: '<' left arrow, '>' right arrow, 'o' ring.
void DrawButton(Picture &pic, double cx, double cy, char mark) {
    const double collar = 22.5, well = 19.2, cap = 17.0;
    DrawRoundShadow(pic, cx, cy, collar, 0.55);
    // Collar: a satin black ring, rounded like a torus.
    pic.Paint(Around(cx, cy, collar + 1), [=](double u, double v) {
        const double dx = u - cx, dy = v - cy, r = std::hypot(dx, dy);
        const double alpha = Clamp01(collar + 0.5 - r);
        if (alpha <= 0 || r < 1e-6) return Sample{};
        const double t = Clamp01((r - well) / (collar - well)) * 2.0 - 1.0;  // -1 inner .. 1 outer
        const double tilt = t * 0.9;
        const double nx = dx / r * std::sin(tilt), ny = dy / r * std::sin(tilt), nz = std::cos(tilt);
        const double shade = 20.0 + 62.0 * Lambert(nx, ny, nz) + 70.0 * Gloss(nx, ny, nz, 30.0);
        return Sample{alpha, Colour{shade, shade * 1.01, shade * 1.05}};
    });
    // The gap between collar and cap.
    pic.Paint(Around(cx, cy, well + 1), [=](double u, double v) {
        const double r = std::hypot(u - cx, v - cy);
        return Sample{Clamp01(well + 0.5 - r), Grey(6)};
    });
    // Cap: soft grey rubber-coated dome with a low sheen.
    pic.Paint(Around(cx, cy, cap + 1), [=](double u, double v) {
        const double dx = (u - cx) / cap, dy = (v - cy) / cap, r = std::hypot(dx, dy);
        const double alpha = Clamp01((1.0 - r) * cap + 0.5);
        if (alpha <= 0) return Sample{};
        const double bulge = 0.45 + 0.5 * SmoothStep(0.75, 1.0, r);  // flatter top, rounded rim
        const double nx = dx * bulge, ny = dy * bulge;
        const double nz = std::sqrt(std::max(0.05, 1.0 - nx * nx - ny * ny));
        double shade = 40.0 + 95.0 * Lambert(nx, ny, nz) + 55.0 * Gloss(nx, ny, nz, 18.0);
        // Inset marking, light grey paint.
        double ink = 0;
        const double mu = dx * cap, mv = dy * cap;  // window pixels from the cap centre
        if (mark == 'o') {
            ink = Clamp01(1.2 - std::fabs(std::hypot(mu, mv) - 4.2) * 1.4);
        } else {
            const double dir = mark == '<' ? -1.0 : 1.0;
            const double along = mu * dir;  // points toward the arrow tip
            const double inside = std::max({-along - 3.5, std::fabs(mv) - (3.5 - along) * 0.85, along - 3.5});
            ink = Clamp01(0.5 - inside * 2.0);
        }
        Colour body{shade * 0.98, shade, shade * 1.04};
        return Sample{alpha, Mix(body, Colour{205, 208, 210}, ink * 0.9)};
    });
}

/// A knurled rotary knob at (cx, cy): black anodised, with a grip band around a brushed
/// top and a white pointer line.
void DrawKnob(Picture &pic, double cx, double cy, double radius) {
    const int ridges = 36;
    const double top = radius * 0.72;
    DrawRoundShadow(pic, cx, cy, radius, 0.7);
    pic.Paint(Around(cx, cy, radius + 1.5), [=](double u, double v) {
        const double dx = u - cx, dy = v - cy, r = std::hypot(dx, dy);
        if (r < 1e-6) return Sample{1, Grey(60)};
        const double angle = std::atan2(dy, dx);
        const double phase = angle * ridges / (2.0 * kPi);
        const double saw = phase - std::floor(phase);            // 0..1 across one ridge
        const double tooth = std::fabs(saw - 0.5) * 2.0;          // 1 at a groove, 0 at a crest
        const double edge = radius - 0.9 * tooth;                 // serrated outline
        const double alpha = Clamp01(edge + 0.5 - r);
        if (alpha <= 0) return Sample{};
        const double ux = dx / r, uy = dy / r;
        if (r > top) {
            // Grip band: each ridge has two facets turned either way around the knob.
            const double facet = (saw < 0.5 ? -1.0 : 1.0) * 0.75;
            const double fa = angle + facet;
            const double side = (r - top) / (radius - top);      // 0 at the top edge, 1 at the rim
            const double tilt = 0.55 + 0.6 * side;                // band slopes outward
            const double nx = std::cos(fa) * std::sin(tilt), ny = std::sin(fa) * std::sin(tilt);
            const double nz = std::cos(tilt);
            double shade = 14.0 + 70.0 * Lambert(nx, ny, nz) + 60.0 * Gloss(nx, ny, nz, 12.0);
            shade *= 0.75 + 0.25 * (1.0 - tooth);                 // grooves are darker
            if (r < top + 0.9) shade = 70.0 + 90.0 * std::max(0.0, FacingLight(ux, uy));  // chamfer lip
            return Sample{alpha, Colour{shade, shade * 1.01, shade * 1.05}};
        }
        // Top face: concentric machining rings and a brushed "bow tie" highlight.
        const double rings = 2.0 * std::sin(r * 3.1);
        const double lightAngle = std::atan2(kLight.y, kLight.x);
        const double bow = std::pow(std::fabs(std::cos(angle - lightAngle - kPi * 0.5)), 6.0);
        double shade = 38.0 + 40.0 * bow + rings + 8.0 * (1.0 - r / top);
        // Pointer line towards the upper right.
        const double pointer = -kPi * 0.25;
        const double along = dx * std::cos(pointer) + dy * std::sin(pointer);
        const double across = -dx * std::sin(pointer) + dy * std::cos(pointer);
        if (along > top * 0.35 && along < top - 1.2 && std::fabs(across) < 1.1) shade = 225.0;
        return Sample{alpha, Colour{shade, shade * 1.01, shade * 1.05}};
    });
}

/// The alarm lamp seat: a polished chrome ring around an unlit red lens.
void DrawLampSeat(Picture &pic, double cx, double cy, double lensRadius) {
    const double ring = lensRadius + 4.5;
    DrawRoundShadow(pic, cx, cy, ring, 0.5);
    pic.Paint(Around(cx, cy, ring + 1), [=](double u, double v) {
        const double dx = u - cx, dy = v - cy, r = std::hypot(dx, dy);
        const double alpha = Clamp01(ring + 0.5 - r);
        if (alpha <= 0 || r < 1e-6) return Sample{};
        if (r > lensRadius) {
            const double t = Clamp01((r - lensRadius) / (ring - lensRadius)) * 2.0 - 1.0;
            const double tilt = t * 1.0;
            const double nx = dx / r * std::sin(tilt), ny = dy / r * std::sin(tilt), nz = std::cos(tilt);
            // Chrome: reflects a dark surround with a bright sky band.
            const double shade = 45.0 + 120.0 * Lambert(nx, ny, nz) + 160.0 * Gloss(nx, ny, nz, 25.0);
            return Sample{alpha, Colour{shade, shade * 1.02, shade * 1.06}};
        }
        // Lens: domed dark red glass with a fresnel pattern and a window reflection.
        const double lx = dx / lensRadius, ly = dy / lensRadius, lr = std::hypot(lx, ly);
        const double nx = lx * 0.6, ny = ly * 0.6, nz = std::sqrt(1.0 - nx * nx - ny * ny);
        const double fresnel = 0.08 * std::sin(lr * 22.0);
        Colour lens{70.0 + 50.0 * Lambert(nx, ny, nz), 10.0, 9.0};
        lens = lens * (1.0 + fresnel) * (1.0 - 0.35 * lr * lr);
        const double glint = Gloss(nx, ny, nz, 60.0);
        lens = Mix(lens, Colour{255, 235, 225}, Clamp01(glint * 1.3));
        lens = lens * (r > lensRadius - 1.0 ? 0.5 : 1.0);  // dark edge where the lens meets the ring
        return Sample{alpha, lens};
    });
}

// ---------------------------------------------------------------------------------
// Lettering: a small stroke font drawn as round-ended lines on a 10-unit cap height
// ---------------------------------------------------------------------------------

using Stroke = std::vector<Point>;
struct Glyph {
    double width = 0;
    std::vector<Stroke> strokes;
};

/// Points along an elliptical arc, angles in degrees (0 = right, 90 = down).
Stroke Arc(double cx, double cy, double rx, double ry, double from, double to) {
    Stroke s;
    const int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        const double a = (from + (to - from) * i / steps) * kPi / 180.0;
        s.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return s;
}

/// Joins strokes end to start into one stroke.
Stroke Join(std::initializer_list<Stroke> parts) {
    Stroke s;
    for (const Stroke &p : parts) s.insert(s.end(), p.begin(), p.end());
    return s;
}

Glyph GlyphFor(char c) {
    switch (c) {
    case 'A': return {7.4, {{{0, 10}, {3.7, 0}, {7.4, 10}}, {{1.35, 6.6}, {6.05, 6.6}}}};
    case 'C': return {6.8, {Join({Arc(3.4, 3.4, 3.4, 3.4, -35, -180), Arc(3.4, 6.6, 3.4, 3.4, 180, 35)})}};
    case 'I': return {0, {{{0, 0}, {0, 10}}}};
    case 'L': return {5.6, {{{0, 0}, {0, 10}, {5.6, 10}}}};
    case 'M': return {8.4, {{{0, 10}, {0, 0}, {4.2, 6.8}, {8.4, 0}, {8.4, 10}}}};
    case 'N': return {6.8, {{{0, 10}, {0, 0}, {6.8, 10}, {6.8, 0}}}};
    case 'O': return {7.0, {Join({Arc(3.5, 3.5, 3.5, 3.5, 180, 360), Arc(3.5, 6.5, 3.5, 3.5, 0, 180), {{0, 3.5}}})}};
    case 'R':
        return {6.6, {Join({{{0, 10}, {0, 0}, {3.6, 0}}, Arc(3.6, 2.75, 2.75, 2.75, -90, 90), {{0, 5.5}}}),
                      {{3.4, 5.5}, {6.6, 10}}}};
    case 'S':
        return {6.6, {Join({Arc(3.3, 2.65, 3.3, 2.65, -25, -270), Arc(3.3, 7.6, 3.3, 2.4, -90, 155)})}};
    case 'T': return {7.0, {{{0, 0}, {7.0, 0}}, {{3.5, 0}, {3.5, 10}}}};
    case 'V': return {7.4, {{{0, 0}, {3.7, 10}, {7.4, 0}}}};
    case 'Y': return {7.2, {{{0, 0}, {3.6, 5.2}, {7.2, 0}}, {{3.6, 5.2}, {3.6, 10}}}};
    case 'Z': return {6.8, {{{0.2, 0}, {6.8, 0}, {0, 10}, {6.8, 10}}}};
    case '2': return {6.8, {Join({Arc(3.4, 3.3, 3.4, 3.3, 195, 380), {{0, 10}, {6.8, 10}}})}};
    case '-': return {4.0, {{{0, 5.6}, {4.0, 5.6}}}};
    case ' ': return {4.0, {}};
    default: return {6.0, {}};
    }
}

/// Text laid out in window pixels: scale is pixels per font unit, tracking extra units.
struct TextRun {
    std::vector<std::pair<Point, Point>> segments;  // in window pixels
    double width = 0;                               // in window pixels
};

TextRun LayOut(const std::string &text, double capHeight, double weight, double tracking) {
    const double scale = capHeight / 10.0;
    const double gap = 2.6 + weight + tracking;  // space between glyph outlines, font units
    TextRun run;
    double pen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const Glyph g = GlyphFor(text[i]);
        for (const Stroke &s : g.strokes) {
            for (size_t k = 1; k < s.size(); ++k) {
                run.segments.push_back({{(pen + s[k - 1].x) * scale, s[k - 1].y * scale},
                                        {(pen + s[k].x) * scale, s[k].y * scale}});
            }
        }
        pen += g.width + (i + 1 < text.size() ? gap : 0.0);
    }
    run.width = pen * scale;
    return run;
}

/// Prints text centred on (cx, cy) as flat silk-screen paint.
void DrawLettering(Picture &pic, const std::string &text, double cx, double cy, double capHeight, double weight,
                   double tracking, Colour ink) {
    TextRun run = LayOut(text, capHeight, weight, tracking);
    const double ox = cx - run.width * 0.5, oy = cy - capHeight * 0.5;
    for (auto &seg : run.segments) {
        seg.first.x += ox;
        seg.second.x += ox;
        seg.first.y += oy;
        seg.second.y += oy;
    }
    const double half = weight * capHeight / 10.0 * 0.5;
    const Box area{ox - half - 1, oy - half - 1, ox + run.width + half + 1, oy + capHeight + half + 1};
    pic.Paint(area, [&run, half, ink](double u, double v) {
        double d = 1e9;
        for (const auto &seg : run.segments)
            d = std::min(d, SegmentDistance(u, v, seg.first.x, seg.first.y, seg.second.x, seg.second.y));
        return Sample{d <= half ? 1.0 : 0.0, ink};
    });
}

void DrawFace(Picture &pic) {
    DrawBezel(pic);

    const double s = kScrewInset;
    DrawScrew(pic, s, s, 0.35);
    DrawScrew(pic, kWindowWidth - s, s, 1.1);
    DrawScrew(pic, s, kWindowHeight - s, 0.8);
    DrawScrew(pic, kWindowWidth - s, kWindowHeight - s, 0.15);

    DrawDisplayRecess(pic);

    DrawLampSeat(pic, kLamp.x, kLamp.y, kLampRadius);

    const Colour white{226, 228, 224};
    const Colour grey{168, 172, 176};
    DrawLettering(pic, "VANTRO-2", 81.0, kLamp.y, 13.0, 1.55, 0.6, white);
    DrawLettering(pic, "ZYT AVIONICS", 251.0, kLamp.y, 7.0, 1.5, 2.2, grey);
    DrawLettering(pic, "ALARM", kLamp.x, kLamp.y + kLampRadius + 12.0, 5.2, 1.7, 1.6, grey);

    DrawButton(pic, kLeftButton.x, kLeftButton.y, '<');
    DrawButton(pic, kCentreButton.x, kCentreButton.y, 'o');
    DrawButton(pic, kRightButton.x, kRightButton.y, '>');

    DrawKnob(pic, kKnob.x, kKnob.y, kKnobRadius);
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.jpg\n", argv[0]);
        return 2;
    }
    Picture pic;
    DrawFace(pic);
    if (!pic.WriteJpeg(argv[1])) {
        std::fprintf(stderr, "make_face: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
