#include "Content/ShellPictures/ShellPictureLibrary.h"

#include "Content/IndexedBitmaps/BmpFile.h"
#include "Content/IndexedBitmaps/PictureQuantizer.h"
#include "Content/ShellPictures/CreditsPicture.h"
#include "Content/ShellPictures/InstructionPictures.h"
#include "Content/ShellPictures/MenuBackgrounds.h"
#include "Content/ShellPictures/SlidePictures.h"
#include "Content/ShellPictures/TallPage.h"
#include "Content/ShellPictures/TitlePictures.h"

#include <QFile>

#include <stdexcept>
#include <string>

namespace {

// Quantises the picture, adds it under every name given and, when asked, keeps a full-colour
// copy of what the player will see for review.
void AddPicture(ContentArchive& archive, const ContentOptions& options, const QImage& picture,
                std::initializer_list<std::string> names)
{
    const IndexedImage indexed = QuantizePicture(picture);
    const std::vector<std::uint8_t> bytes = EncodeBmpFile(indexed);
    for (const std::string& name : names) {
        archive.AddBitmap(name, bytes);
    }
    if (options.WantsContactSheets()) {
        indexed.ToImage().save(QString::fromStdString((options.sheetFolder / ("res-" + *names.begin() + ".png")).string()));
    }
}

// The instruction pages are as wide as the frame that shows them.
constexpr int instructionPageWidth = 480;

QImage InstructionPage(const std::filesystem::path& source)
{
    QFile file(QString::fromStdString(source.string()));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        throw std::runtime_error("cannot read " + source.string());
    }
    return PaintTallPage(QString::fromUtf8(file.readAll()), instructionPageWidth, InstructionPictures::Picture);
}

} // namespace

void BuildShellPictureLibrary(ContentArchive& archive, const ContentOptions& options)
{
    for (int number = 0; number < MenuBackgrounds::count; ++number) {
        AddPicture(archive, options, MenuBackgrounds::Background(number),
                   {std::to_string(MenuBackgrounds::firstID + number)});
    }
    // The slideshow asks for its pictures by number and the paused banner by name: both work.
    AddPicture(archive, options, SlidePictures::Portrait(1), {"151", "SLIDEYUG"});
    AddPicture(archive, options, SlidePictures::Portrait(3), {"152", "SLIDEMAGMA"});
    AddPicture(archive, options, SlidePictures::LogoTitle(), {"153", "SLIDELOGO"});
    AddPicture(archive, options, SlidePictures::Portrait(0), {"154", "SLIDEBOOF"});
    AddPicture(archive, options, SlidePictures::HighScoresTitle(), {"155", "SLIDESCORES"});
    AddPicture(archive, options, SlidePictures::PausedBanner(), {"156", "SLIDEPAUSED"});
    AddPicture(archive, options, SlidePictures::CastTitle(), {"157", "SLIDESTARRING"});
    AddPicture(archive, options, SlidePictures::Portrait(2), {"158", "SLIDESAUR"});
    AddPicture(archive, options, TitlePictures::Splash(), {"1028"});
    AddPicture(archive, options, TitlePictures::AboutLogo(), {"LOGO_MARROWMERE"});
    AddPicture(archive, options, CreditsPicture(options.sourceFolder / "../../CREDITS"), {"SCROLLCREDITS"});
    for (const char* page : {"INSTRUCTIONS_INTRODUCTION", "INSTRUCTIONS_OBJECTIVE", "INSTRUCTIONS_GAMEBOARD",
                             "INSTRUCTIONS_GAMEPLAY", "INSTRUCTIONS_MENUSANDDIALOGBOXES"}) {
        const auto source = options.sourceFolder / "ShellPictures" / "Instructions" / (std::string(page) + ".html");
        AddPicture(archive, options, InstructionPage(source), {page});
    }
}
