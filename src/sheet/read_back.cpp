// Reading back.
#include "sheet/read_back.h"

#include "sheet/mark_table.h"

#include "sheet/read_back_table.h"

namespace {
// One walk over the sheet's pages from index 0 up: each page does the steps
// of its class, in the table's order. afterPage returns false to end the walk.
template <class AfterPage>
void WalkPages(CKELPropertySheet& sheet, std::initializer_list<ReadStep> steps,
               const PageClassList& classes, ReadBackOutput& out, AfterPage afterPage) {
    for (int i = 0; i < sheet.GetPageCount(); ++i) {
        CPropertyPage* page = sheet.GetPage(i);
        const PageClass* pageClass = classes.ClassOf(*page);
        if (!pageClass)
            continue;
        bool asked = false;
        for (const ReadStep& step : steps) {
            if (step.page != pageClass->kind)
                continue;
            if (step.store == PageStore::kBlock)
                out.blockSize = 0; // each asked page reports its own size
            pageClass->store(*page, step.store, out);
            asked = true;
        }
        if (asked && !afterPage())
            return;
    }
}

void WriteRecordFields(CKELPropertySheet& sheet, std::initializer_list<ReadStep> steps,
                       const PageClassList& classes, ReadBackOutput& out) {
    WalkPages(sheet, steps, classes, out, [] { return true; });
}
} // namespace

BOOL ReadBack(CKELPropertySheet& sheet, const QueryArgs& args, const PageClassList& classes) {
    const DWORD flags = EffectiveSheetFlags(args.flags);
    const bool withRecord = (flags & KEL_SHEET_ATTRIBUTES) != 0;
    const bool withBlock = (flags & KEL_SHEET_BLOCK) != 0;
    if ((withRecord && !args.record) || (withBlock && (!args.blockName || !args.sizeOut)))
        return 0;

    const ReadBackRow* row = FindReadBackRow(sheet.m_attributes.nMarkType);
    if (!row)
        return 1;

    ReadBackOutput out{
        CMutableByteSpan(withRecord ? args.record : nullptr, sizeof(KEL_MARK_ATTRIBUTES)), nullptr,
        nullptr, 0};
    if (withRecord)
        WriteRecordFields(sheet, row->withRecord, classes, out);

    BOOL result = 1;
    if (withBlock && row->withBlock.size() > 0) {
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
        WalkPages(sheet, row->withBlock, classes, out, [&] {
            sizeOut.WriteValue<DWORD>(0, out.blockSize);
            return !(row->stopAtFirstBlock && out.blockSize != 0);
        });
        if (!args.buffer)
            sheet.m_reportedBlockSizes.Remember(name, out.blockSize);
        else if (out.blockSize > buffer.Size())
            result = 0; // nothing was copied: the buffer was not sized for it
    }

    if (withRecord)
        WriteRecordFields(sheet, row->afterBlock, classes, out);
    return result;
}
