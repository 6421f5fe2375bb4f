#pragma once

// Reads QR codes back out of images with libzbar, in the test process. The library is loaded
// at run time (libzbar.so.0), so a test folder needs no link option for it.

#include <QImage>
#include <QString>
#include <QStringList>

#include <dlfcn.h>

namespace vqtest {

class QrCodeReader {
public:
    QrCodeReader()
    {
        m_library = dlopen("libzbar.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!m_library)
            return;
        m_scannerCreate = reinterpret_cast<ScannerCreate>(dlsym(m_library, "zbar_image_scanner_create"));
        m_scannerDestroy = reinterpret_cast<ScannerDestroy>(dlsym(m_library, "zbar_image_scanner_destroy"));
        m_scannerSetConfig = reinterpret_cast<ScannerSetConfig>(dlsym(m_library, "zbar_image_scanner_set_config"));
        m_imageCreate = reinterpret_cast<ImageCreate>(dlsym(m_library, "zbar_image_create"));
        m_imageDestroy = reinterpret_cast<ImageDestroy>(dlsym(m_library, "zbar_image_destroy"));
        m_imageSetFormat = reinterpret_cast<ImageSetFormat>(dlsym(m_library, "zbar_image_set_format"));
        m_imageSetSize = reinterpret_cast<ImageSetSize>(dlsym(m_library, "zbar_image_set_size"));
        m_imageSetData = reinterpret_cast<ImageSetData>(dlsym(m_library, "zbar_image_set_data"));
        m_scanImage = reinterpret_cast<ScanImage>(dlsym(m_library, "zbar_scan_image"));
        m_firstSymbol = reinterpret_cast<FirstSymbol>(dlsym(m_library, "zbar_image_first_symbol"));
        m_nextSymbol = reinterpret_cast<NextSymbol>(dlsym(m_library, "zbar_symbol_next"));
        m_symbolData = reinterpret_cast<SymbolData>(dlsym(m_library, "zbar_symbol_get_data"));
        m_symbolLength = reinterpret_cast<SymbolLength>(dlsym(m_library, "zbar_symbol_get_data_length"));
    }
    ~QrCodeReader()
    {
        if (m_library)
            dlclose(m_library);
    }
    QrCodeReader(const QrCodeReader&) = delete;
    QrCodeReader& operator=(const QrCodeReader&) = delete;

    bool isLoaded() const
    {
        return m_scannerCreate && m_scannerDestroy && m_scannerSetConfig && m_imageCreate && m_imageDestroy
            && m_imageSetFormat && m_imageSetSize && m_imageSetData && m_scanImage && m_firstSymbol && m_nextSymbol
            && m_symbolData && m_symbolLength;
    }

    // The texts of every code found in the image (its grey pixels), as UTF-8.
    QStringList decode(const QImage& image) const
    {
        QStringList texts;
        if (!isLoaded() || image.isNull())
            return texts;
        const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
        QByteArray pixels;
        pixels.reserve(grey.width() * grey.height());
        for (int y = 0; y < grey.height(); ++y)
            pixels.append(reinterpret_cast<const char*>(grey.constScanLine(y)), grey.width());
        void* scanner = m_scannerCreate();
        m_scannerSetConfig(scanner, 0 /* all symbologies */, 0 /* enable */, 1);
        void* zimage = m_imageCreate();
        m_imageSetFormat(zimage, 0x30303859UL /* "Y800" */);
        m_imageSetSize(zimage, unsigned(grey.width()), unsigned(grey.height()));
        m_imageSetData(zimage, pixels.constData(), static_cast<unsigned long>(pixels.size()), nullptr);
        if (m_scanImage(scanner, zimage) > 0) {
            for (const void* symbol = m_firstSymbol(zimage); symbol; symbol = m_nextSymbol(symbol))
                texts << QString::fromUtf8(m_symbolData(symbol), int(m_symbolLength(symbol)));
        }
        m_imageDestroy(zimage);
        m_scannerDestroy(scanner);
        return texts;
    }

private:
    using ScannerCreate = void* (*)();
    using ScannerDestroy = void (*)(void*);
    using ScannerSetConfig = int (*)(void*, int, int, int);
    using ImageCreate = void* (*)();
    using ImageDestroy = void (*)(void*);
    using ImageSetFormat = void (*)(void*, unsigned long);
    using ImageSetSize = void (*)(void*, unsigned, unsigned);
    using ImageSetData = void (*)(void*, const void*, unsigned long, void (*)(void*));
    using ScanImage = int (*)(void*, void*);
    using FirstSymbol = const void* (*)(const void*);
    using NextSymbol = const void* (*)(const void*);
    using SymbolData = const char* (*)(const void*);
    using SymbolLength = unsigned (*)(const void*);

    void* m_library = nullptr;
    ScannerCreate m_scannerCreate = nullptr;
    ScannerDestroy m_scannerDestroy = nullptr;
    ScannerSetConfig m_scannerSetConfig = nullptr;
    ImageCreate m_imageCreate = nullptr;
    ImageDestroy m_imageDestroy = nullptr;
    ImageSetFormat m_imageSetFormat = nullptr;
    ImageSetSize m_imageSetSize = nullptr;
    ImageSetData m_imageSetData = nullptr;
    ScanImage m_scanImage = nullptr;
    FirstSymbol m_firstSymbol = nullptr;
    NextSymbol m_nextSymbol = nullptr;
    SymbolData m_symbolData = nullptr;
    SymbolLength m_symbolLength = nullptr;
};

} // namespace vqtest
