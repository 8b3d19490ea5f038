#include "storage/GzipStream.h"

GzipStream::~GzipStream()
{
    if (m_bZlibReady) {
        if (m_mode == 'w') {
            deflateEnd(&m_zs);
        } else {
            inflateEnd(&m_zs);
        }
    }
}
