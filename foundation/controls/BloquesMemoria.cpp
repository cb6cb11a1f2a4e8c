#include "BloquesMemoria.h"

#include <bit>
#include <cstdint>
#include <span>
#include <sys/mman.h>
#include <unistd.h>

namespace NVLALotes {

void ocuparPaginas(void *inicio, std::size_t bytes)
{
#ifdef MADV_POPULATE_WRITE
    static const auto pagina = std::size_t(sysconf(_SC_PAGESIZE));
    // Only the whole pages inside the block: its edges may be shared with others.
    const std::size_t hastaPagina = (pagina - std::bit_cast<std::uintptr_t>(inicio) % pagina) % pagina;
    if (bytes <= hastaPagina + pagina)
        return;
    const std::span<std::byte> zona = std::span(static_cast<std::byte *>(inicio), bytes).subspan(hastaPagina);
    (void)madvise(zona.data(), zona.size() / pagina * pagina, MADV_POPULATE_WRITE);
#else
    (void)inicio;
    (void)bytes;
#endif
}

} // namespace NVLALotes
