#include "magicksetup.h"

#include <wand/MagickWand.h>

namespace vexl::magick {

namespace {

// Image types the program lists and writes, under the names ImageMagick's coders
// register for them (a ".jpg" file is coder JPG, its content detected as JPEG).
// Everything else - SVG, MVG, MSL, text, URL and friends, PostScript, video -
// is refused, whatever a file's name says. HEIC's coder reads and writes AVIF
// too; a ".heif" file is found to be HEIC by its content.
constexpr const char *kPolicy = R"(<policymap>
  <policy domain="delegate" rights="none" pattern="*"/>
  <policy domain="filter" rights="none" pattern="*"/>
  <policy domain="path" rights="none" pattern="@*"/>
  <policy domain="coder" rights="none" pattern="*"/>
  <policy domain="coder" rights="read|write" pattern="{PNG,PNG8,PNG24,PNG32,PNG48,PNG64,PNG00}"/>
  <policy domain="coder" rights="read|write" pattern="{JPEG,JPG,GIF,GIF87,BMP,BMP2,BMP3}"/>
  <policy domain="coder" rights="read|write" pattern="{TIFF,TIF,TIFF64,TGA,MIFF,PCX}"/>
  <policy domain="coder" rights="read|write" pattern="{WEBP,HEIC,AVIF}"/>
  <policy domain="coder" rights="read" pattern="LABEL"/>
</policymap>
)";

} // namespace

QString start()
{
    // No signal handlers of ImageMagick's own inside a Qt program.
    MagickCoreGenesis(nullptr, MagickFalse);

    // The policy adds to the system's (rules are read in order, the last match
    // decides), so this list holds whether or not the system has one.
    ExceptionInfo *exception = AcquireExceptionInfo();
    const MagickBooleanType loaded = SetMagickSecurityPolicy(kPolicy, exception);
    QString problem;
    if (loaded == MagickFalse || exception->severity >= ErrorException)
        problem = QStringLiteral("the ImageMagick security policy could not be loaded: %1")
                      .arg(QString::fromUtf8(exception->reason ? exception->reason : "unknown reason"));
    exception = DestroyExceptionInfo(exception);
    if (!problem.isEmpty())
        return problem;
    if (IsRightsAuthorized(CoderPolicyDomain, ReadPolicyRights, "SVG") != MagickFalse)
        return QStringLiteral("the ImageMagick security policy is not in force");

    // A limit the system policy sets lower stays lower. There is deliberately no
    // time limit: ImageMagick 6 measures it from the first pixel-cache use of the
    // process and ends the whole process when it runs out.
    const Limits l;
    SetMagickResourceLimit(WidthResource, MagickSizeType(l.width));
    SetMagickResourceLimit(HeightResource, MagickSizeType(l.height));
    SetMagickResourceLimit(AreaResource, MagickSizeType(l.area));
    SetMagickResourceLimit(MemoryResource, MagickSizeType(l.memory));
    SetMagickResourceLimit(MapResource, MagickSizeType(l.map));
    SetMagickResourceLimit(DiskResource, MagickSizeType(l.disk));
    SetMagickResourceLimit(ListLengthResource, MagickSizeType(l.frames));
    return QString();
}

} // namespace vexl::magick
