// Reading back.
#include "sheet/read_back.h"

#include "sheet/mark_table.h"

namespace {
// One walk over the sheet's pages from index 0 up: each page does the steps
// of its kind, in the table's order. afterPage returns false to end the walk.
template <class AfterPage>
void WalkPages(CKELPropertySheet& sheet, std::initializer_list<PageStep> steps,
               const PageBindings& bindings, ReadBackOutput& out, AfterPage afterPage) {
    for (int i = 0; i < sheet.GetPageCount(); ++i) {
        CPropertyPage* page = sheet.GetPage(i);
        const PageBinding* binding = bindings.Of(*page);
        if (!binding)
            continue;
        bool asked = false;
        for (const PageStep& step : steps) {
            if (step.page != binding->kind)
                continue;
            if (step.part == Part::kBlock)
                out.blockSize = 0; // each asked page reports its own size
            binding->store(*page, step.part, out);
            asked = true;
        }
        if (asked && !afterPage())
            return;
    }
}

void WriteRecordFields(CKELPropertySheet& sheet, std::initializer_list<PageStep> steps,
                       const PageBindings& bindings, ReadBackOutput& out) {
    WalkPages(sheet, steps, bindings, out, [] { return true; });
}
} // namespace

DWORD ReadBack(CKELPropertySheet& sheet, const QueryArgs& args, const PageBindings& bindings) {
    const DWORD flags = EffectiveSheetFlags(args.flags);
    const bool withRecord = (flags & KEL_SHEET_ATTRIBUTES) != 0;
    if (withRecord && !args.record)
        return ERROR_INVALID_PARAMETER;
    // Without a name or size out only the block part is refused: the record
    // still gets the user's edits.
    const bool blockAsked = (flags & KEL_SHEET_BLOCK) != 0;
    const bool withBlock = blockAsked && args.blockName && args.sizeOut;
    const DWORD refusal = blockAsked && !withBlock ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;

    const MarkRow* row = FindMarkRow(sheet.m_attributes.nMarkType);
    if (!row)
        return refusal;

    ReadBackOutput out{
        CMutableByteSpan(withRecord ? args.record : nullptr, sizeof(KEL_MARK_ATTRIBUTES)), nullptr,
        nullptr, 0};
    if (withRecord)
        WriteRecordFields(sheet, row->store, bindings, out);

    DWORD result = refusal;
    if (withBlock && row->blockPages.size() > 0) {
        char name[8];
        CByteSpan(args.blockName, sizeof name).Read(0, name, sizeof name);
        // After a size query the host sized its buffer from what it was told
        // under this name; a block that grew since is not copied. Without one
        // the host sized it from its own knowledge of the block, as the
        // interface has always allowed.
        DWORD reported = 0;
        const size_t bufferSize = !args.buffer                                       ? 0
                                  : sheet.m_reportedBlockSizes.Find(name, &reported) ? reported
                                                                                     : SIZE_MAX;
        CMutableByteSpan buffer(args.buffer, bufferSize);
        out.blockName = name;
        out.blockBuffer = args.buffer ? &buffer : nullptr;
        CMutableByteSpan sizeOut(args.sizeOut, sizeof(DWORD));
        // The first page that has the block ends the walk: a later one (an
        // image reference's second block page) would report 0 over it.
        WalkPages(sheet, row->blockPages, bindings, out, [&] {
            sizeOut.WriteValue<DWORD>(0, out.blockSize);
            return out.blockSize == 0;
        });
        if (!args.buffer)
            sheet.m_reportedBlockSizes.Remember(name, out.blockSize);
        else if (out.blockSize > buffer.Size())
            result = ERROR_INSUFFICIENT_BUFFER; // nothing was copied
    }

    if (withRecord)
        WriteRecordFields(sheet, row->storeAfterBlock, bindings, out);
    return result;
}
