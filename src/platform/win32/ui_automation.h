// UI Automation's provider interfaces, ids and functions. The Windows SDK declares them all; MinGW-w64's headers
// stop at the fragment interfaces, and its uiautomationcoreapi.h does not compile as C++ (a parameter named `new`),
// so what they lack is declared here by its documented values. The functions are only ever looked up at run time
// (system_dlls.h): their declarations give SystemFunction its types.
#pragma once

#include <windows.h>
// After windows.h, which they need.
#include <ole2.h>
#if defined(__MINGW32__)
#include <uiautomationclient.h>
#include <uiautomationcore.h>
#else
#include <uiautomation.h>
#endif

#if defined(__MINGW32__) && !defined(_INC_UIAUTOMATIONCOREAPI)
#define _INC_UIAUTOMATIONCOREAPI

#define UIA_E_ELEMENTNOTENABLED 0x80040200
#define UIA_E_ELEMENTNOTAVAILABLE 0x80040201
#define UIA_E_INVALIDOPERATION 0x80131509
#define UiaAppendRuntimeId 3
#define UiaRootObjectId -25

extern "C" {
HRESULT WINAPI UiaRaiseAutomationEvent(IRawElementProviderSimple* provider, EVENTID id);
LRESULT WINAPI UiaReturnRawElementProvider(HWND window,
                                           WPARAM wParam,
                                           LPARAM lParam,
                                           IRawElementProviderSimple* provider);
HRESULT WINAPI UiaHostProviderFromHwnd(HWND window, IRawElementProviderSimple** provider);
}
#endif

#ifndef UIA_ButtonControlTypeId
#define UIA_ButtonControlTypeId (50000)
#endif
#ifndef UIA_ToolBarControlTypeId
#define UIA_ToolBarControlTypeId (50021)
#endif
#ifndef UIA_StructureChangedEventId
#define UIA_StructureChangedEventId (20002)
#endif
#ifndef UIA_AutomationFocusChangedEventId
#define UIA_AutomationFocusChangedEventId (20005)
#endif
#ifndef UIA_PositionInSetPropertyId
#define UIA_PositionInSetPropertyId (30152)
#endif
#ifndef UIA_SizeOfSetPropertyId
#define UIA_SizeOfSetPropertyId (30153)
#endif

#if !defined(__IInvokeProvider_INTERFACE_DEFINED__)
#define __IInvokeProvider_INTERFACE_DEFINED__

enum ExpandCollapseState {
    ExpandCollapseState_Collapsed = 0,
    ExpandCollapseState_Expanded = 1,
    ExpandCollapseState_PartiallyExpanded = 2,
    ExpandCollapseState_LeafNode = 3
};

enum StructureChangeType {
    StructureChangeType_ChildAdded = 0,
    StructureChangeType_ChildRemoved = 1,
    StructureChangeType_ChildrenInvalidated = 2,
    StructureChangeType_ChildrenBulkAdded = 3,
    StructureChangeType_ChildrenBulkRemoved = 4,
    StructureChangeType_ChildrenReordered = 5
};

enum NotificationKind {
    NotificationKind_ItemAdded = 0,
    NotificationKind_ItemRemoved = 1,
    NotificationKind_ActionCompleted = 2,
    NotificationKind_ActionAborted = 3,
    NotificationKind_Other = 4
};

enum NotificationProcessing {
    NotificationProcessing_ImportantAll = 0,
    NotificationProcessing_ImportantMostRecent = 1,
    NotificationProcessing_All = 2,
    NotificationProcessing_MostRecent = 3,
    NotificationProcessing_CurrentThenMostRecent = 4
};

MIDL_INTERFACE("54fcb24b-e18e-47a2-b4d3-eccbe77599a2")
IInvokeProvider : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Invoke() = 0;
};

MIDL_INTERFACE("d847d3a5-cab0-4a98-8c32-ecb45c59ad24")
IExpandCollapseProvider : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Expand() = 0;
    virtual HRESULT STDMETHODCALLTYPE Collapse() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ExpandCollapseState(enum ExpandCollapseState * state) = 0;
};

#ifdef __CRT_UUID_DECL
__CRT_UUID_DECL(IInvokeProvider, 0x54fcb24b, 0xe18e, 0x47a2, 0xb4, 0xd3, 0xec, 0xcb, 0xe7, 0x75, 0x99, 0xa2)
__CRT_UUID_DECL(IExpandCollapseProvider, 0xd847d3a5, 0xcab0, 0x4a98, 0x8c, 0x32, 0xec, 0xb4, 0x5c, 0x59, 0xad, 0x24)
#endif

extern "C" {
BOOL WINAPI UiaClientsAreListening();
HRESULT WINAPI UiaDisconnectProvider(IRawElementProviderSimple* provider);
HRESULT WINAPI UiaRaiseStructureChangedEvent(IRawElementProviderSimple* provider,
                                             enum StructureChangeType type,
                                             int* runtimeId,
                                             int runtimeIdLength);
HRESULT WINAPI UiaRaiseNotificationEvent(IRawElementProviderSimple* provider,
                                         enum NotificationKind kind,
                                         enum NotificationProcessing processing,
                                         BSTR displayString,
                                         BSTR activityId);
}

#endif
