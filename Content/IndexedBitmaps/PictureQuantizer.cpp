#include "Content/IndexedBitmaps/PictureQuantizer.h"

#include <libimagequant.h>

#include <dlfcn.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <stdexcept>

namespace {

constexpr int colourCount = 256;

// libimagequant may spread its colour search over OpenMP threads, and sums added in another
// order can pick other colours. One thread gives the same palette on every machine.
void UseOneQuantizerThread()
{
    using SetThreadCount = void (*)(int);
    if (auto* set = reinterpret_cast<SetThreadCount>(dlsym(RTLD_DEFAULT, "omp_set_num_threads"))) {
        set(1);
    }
}

struct LiqDeleter {
    void operator()(liq_attr* p) const { liq_attr_destroy(p); }
    void operator()(liq_image* p) const { liq_image_destroy(p); }
    void operator()(liq_result* p) const { liq_result_destroy(p); }
};
template <typename T>
using LiqPointer = std::unique_ptr<T, LiqDeleter>;

liq_color LiqColour(QRgb colour)
{
    return liq_color{static_cast<unsigned char>(qRed(colour)), static_cast<unsigned char>(qGreen(colour)),
                     static_cast<unsigned char>(qBlue(colour)), 255};
}

int Distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

int FindColour(const std::vector<QRgb>& colours, QRgb wanted)
{
    const auto found = std::find(colours.begin(), colours.end(), qRgb(qRed(wanted), qGreen(wanted), qBlue(wanted)));
    if (found == colours.end()) {
        throw std::runtime_error("QuantizePicture: a colour that must be kept exactly is missing from the palette");
    }
    return static_cast<int>(found - colours.begin());
}

// Keeps the key colour for exactly the pixels that had it in the source.
void KeepKeyColourExact(const QImage& source, QRgb key, IndexedImage& result)
{
    const int keyIndex = FindColour(result.colours, key);
    for (int y = 0; y < result.height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < result.width; ++x) {
            auto& index = result.pixels[static_cast<std::size_t>(y) * result.width + x];
            const bool isKey = (row[x] & 0xFFFFFF) == (key & 0xFFFFFF);
            if (isKey) {
                index = static_cast<std::uint8_t>(keyIndex);
            } else if (index == keyIndex) {
                int best = std::numeric_limits<int>::max();
                for (int i = 0; i < colourCount; ++i) {
                    const int distance = Distance(result.colours[i], row[x]);
                    if (i != keyIndex && distance < best) {
                        best = distance;
                        index = static_cast<std::uint8_t>(i);
                    }
                }
            }
        }
    }
}

} // namespace

IndexedImage QuantizePicture(const QImage& picture, const QuantizeOptions& options)
{
    UseOneQuantizerThread();
    const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    const QImage rgba = opaque.convertToFormat(QImage::Format_RGBA8888);

    LiqPointer<liq_attr> attributes(liq_attr_create());
    liq_set_max_colors(attributes.get(), colourCount);
    liq_set_speed(attributes.get(), 3);
    LiqPointer<liq_image> image(
        liq_image_create_rgba(attributes.get(), rgba.constBits(), rgba.width(), rgba.height(), 0.0));
    if (!image) {
        throw std::runtime_error("QuantizePicture: libimagequant refused the picture");
    }
    liq_image_add_fixed_color(image.get(), LiqColour(qRgb(0, 0, 0)));
    liq_image_add_fixed_color(image.get(), LiqColour(qRgb(255, 255, 255)));
    if (options.keyColour) {
        liq_image_add_fixed_color(image.get(), LiqColour(*options.keyColour));
    }
    liq_result* rawResult = nullptr;
    if (liq_image_quantize(image.get(), attributes.get(), &rawResult) != LIQ_OK) {
        throw std::runtime_error("QuantizePicture: libimagequant could not choose a palette");
    }
    LiqPointer<liq_result> result(rawResult);
    liq_set_dithering_level(result.get(), options.ditheringLevel);

    IndexedImage indexed;
    indexed.width = rgba.width();
    indexed.height = rgba.height();
    indexed.pixels.resize(static_cast<std::size_t>(indexed.width) * indexed.height);
    liq_write_remapped_image(result.get(), image.get(), indexed.pixels.data(), indexed.pixels.size());
    const liq_palette* palette = liq_get_palette(result.get());

    // Black to entry 0 and white to entry 255, the other colours in between in libimagequant's order.
    std::vector<QRgb> found(palette->count);
    for (unsigned i = 0; i < palette->count; ++i) {
        found[i] = qRgb(palette->entries[i].r, palette->entries[i].g, palette->entries[i].b);
    }
    const int black = FindColour(found, qRgb(0, 0, 0));
    const int white = FindColour(found, qRgb(255, 255, 255));
    std::vector<std::uint8_t> newIndex(palette->count);
    indexed.colours.assign(colourCount, qRgb(0, 0, 0));
    indexed.colours[255] = qRgb(255, 255, 255);
    int next = 1;
    for (int i = 0; i < static_cast<int>(palette->count); ++i) {
        if (i == black) {
            newIndex[i] = 0;
        } else if (i == white) {
            newIndex[i] = 255;
        } else {
            indexed.colours[next] = found[i];
            newIndex[i] = static_cast<std::uint8_t>(next++);
        }
    }
    for (auto& pixel : indexed.pixels) {
        pixel = newIndex[pixel];
    }
    if (options.keyColour) {
        KeepKeyColourExact(opaque, *options.keyColour, indexed);
    }
    return indexed;
}
