// Page assembly.
#include "sheet/page_assembly.h"

#include "sheet/mark_table.h"

#include <new>

namespace {
// The sheet's page of this class, or a new one appended (the tab order is
// the order of appending). Null when memory ran out; nothing is added then.
CPropertyPage* FindOrAddPage(CKELPropertySheet& sheet, const PageBinding& binding, DWORD markType) {
    for (int i = 0; i < sheet.GetPageCount(); ++i)
        if (binding.isKindOf(*sheet.GetPage(i)))
            return sheet.GetPage(i);
    CPropertyPage* page = nullptr;
    try {
        page = binding.make(markType);
        sheet.AddPage(page);
    } catch (const std::bad_alloc&) {
        delete page;
        return nullptr;
    }
    return page;
}

// Each step finds or adds its page and loads it before the next is looked
// for. Page kinds without a binding are left out.
bool RunSteps(CKELPropertySheet& sheet, std::initializer_list<PageStep> steps,
              const AssemblyInput& in, const PageBindings& bindings) {
    for (const PageStep& step : steps) {
        const PageBinding* binding = bindings.Find(step.page);
        if (!binding)
            continue;
        CPropertyPage* page = FindOrAddPage(sheet, *binding, in.markType);
        if (!page)
            return false;
        if (step.part != Part::kTabOnly)
            binding->load(*page, step.part, in);
    }
    return true;
}
} // namespace

DWORD AssemblePages(CKELPropertySheet& sheet, const InitArgs& args, const PageBindings& bindings) {
    const DWORD flags = EffectiveSheetFlags(args.flags);
    const bool withRecord = (flags & KEL_SHEET_ATTRIBUTES) != 0;
    const bool withBlock = (flags & KEL_SHEET_BLOCK) != 0;
    if (withRecord && !args.record)
        return ERROR_INVALID_PARAMETER;

    const CByteSpan record(withRecord ? args.record : nullptr, sizeof(KEL_MARK_ATTRIBUTES));
    if (withRecord)
        record.Read(0, &sheet.m_attributes, sizeof sheet.m_attributes);
    // Without bit 0 the type is the one of the last call that had it.
    const DWORD markType = sheet.m_attributes.nMarkType;
    const MarkRow* row = FindMarkRow(markType);
    if (!row)
        return ERROR_SUCCESS;

    // The block arguments are read only when a block page will take them.
    char blockName[8];
    const bool blockUsed = withBlock && row->blockPages.size() > 0;
    const bool named =
        blockUsed &&
        CByteSpan(args.blockName, sizeof blockName).Read(0, blockName, sizeof blockName);
    const AssemblyInput in{markType,
                           flags,
                           record,
                           &sheet.m_attributes,
                           &sheet.m_imageInfo,
                           named ? blockName : nullptr,
                           CByteSpan(blockUsed ? args.blockData : nullptr, args.blockSize)};

    if ((withRecord && !RunSteps(sheet, row->load, in, bindings)) ||
        (withBlock && !RunSteps(sheet, row->blockPages, in, bindings)))
        return ERROR_NOT_ENOUGH_MEMORY;
    return ERROR_SUCCESS;
}
