# Source lists. The portable core builds natively and into the program;
# everything else is Win32 only.

set(QUENVO_CORE_SOURCES
  core/StartDir.cpp
  core/TextRules.cpp
  core/TabSide.cpp
  core/TabGeometry.cpp
  core/SettingsRules.cpp
  core/Settings.cpp
  core/IniDocument.cpp
  core/SavedTabs.cpp
  core/WriteDelay.cpp
  core/PopupRules.cpp
  core/StealthRules.cpp
  core/ClosedTabs.cpp
  core/collection/CollectionNode.cpp
  core/collection/CollectionNodeList.cpp
  core/collection/CollectionWalk.cpp
  core/collection/BookmarkReader.cpp
  core/collection/BookmarkWriter.cpp
  core/FileReplace.cpp
  core/collection/CollectionStore.cpp
  core/expire/ExpireRules.cpp
  core/collection/CollectionEdit.cpp
  core/Cp932.cpp
  core/collection/BookmarkText.cpp
  ${CMAKE_BINARY_DIR}/generated/Cp932Table.cpp
)

# The code page 932 tables, made from Python's codec at build time.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/generated/Cp932Table.cpp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/mkcp932.py ${CMAKE_BINARY_DIR}/generated/Cp932Table.cpp
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/mkcp932.py
  COMMENT "Writing the code page 932 tables")

set(QUENVO_CORE_TESTS
  tests/core/StartDirTest.cpp
  tests/core/TextRulesTest.cpp
  tests/core/TabSideTest.cpp
  tests/core/TabGeometryTest.cpp
  tests/core/SettingsRulesTest.cpp
  tests/core/SettingsTest.cpp
  tests/core/IniDocumentTest.cpp
  tests/core/WriteDelayTest.cpp
  tests/core/PopupRulesTest.cpp
  tests/core/StealthRulesTest.cpp
  tests/core/collection/ReferenceReader.cpp
  tests/core/collection/TreeDump.cpp
  tests/core/collection/BookmarkGenerator.cpp
  tests/core/collection/CollectionNodeListTest.cpp
  tests/core/collection/BookmarkReaderTest.cpp
  tests/core/collection/ReaderEquivalenceTest.cpp
  tests/core/collection/BookmarkWriterTest.cpp
  tests/core/collection/DeclaredCharsetTest.cpp
  tests/core/collection/CollectionStoreTest.cpp
  tests/core/expire/ExpireRulesTest.cpp
  tests/core/collection/CollectionEditTest.cpp
)

set(QUENVO_FRAMEWORK_SOURCES
  framework/Str.cpp
  framework/CmdTarget.cpp
  framework/ModalGuard.cpp
  framework/Wnd.cpp
  framework/Dialog.cpp
  framework/DataExchange.cpp
  framework/Button.cpp
  framework/BitmapButton.cpp
  framework/Font.cpp
  framework/ImageList.cpp
  framework/TabCtrl.cpp
  framework/ListCtrl.cpp
  framework/TreeCtrl.cpp
  framework/ToolTipCtrl.cpp
  framework/WindowIcon.cpp
  framework/WinApp.cpp
  framework/OleControlSite.cpp
  framework/OleDropTarget.cpp
  framework/PropertySheet.cpp
  framework/FileDialog.cpp
  framework/WindowDpi.cpp
  framework/IconArt.cpp
  framework/DpiChange.cpp
)

set(QUENVO_PROGRAM_SOURCES
  collection/CollectionMenu.cpp
  collection/CollectionPopup.cpp
  collection/StopMessage.cpp
  browser/MainDlg.cpp
  browser/MainDlgTabs.cpp
  browser/NavigationBar.cpp
  browser/WindowKeys.cpp
  browser/TabKeys.cpp
  browser/MainDlgNavigation.cpp
  browser/MainDlgMenus.cpp
  browser/MainDlgOrganizer.cpp
  browser/WebBrowser2.cpp
  browser/TabSet.cpp
  browser/WindowArrange.cpp
  browser/MainDlgSettings.cpp
  browser/MainDlgDefaultTabs.cpp
  browser/MainDlgProfileFile.cpp
  browser/ProfileFile.cpp
  browser/MainDlgOptions.cpp
  tabstrip/BrowserTabCtrl.cpp
  tabstrip/TabDropTarget.cpp
  expire/ExpireList.cpp
  expire/ExpirePageDlg.cpp
  collection/FolderTreeCtrl.cpp
  collection/CollectionDlg.cpp
  options/HtmlFileDialog.cpp
  options/OptionsPage.cpp
  options/PrGeneral.cpp
  options/PrTab.cpp
  options/PrSteals.cpp
  options/PrExpirePage.cpp
  stealth/StealthMode.cpp
)

# The application object and the entry point are linked into the executables
# directly: nothing in the libraries refers to them.
set(QUENVO_APP_OBJECT app/BrowserApp.cpp)
set(QUENVO_ENTRY_POINT framework/AppMain.cpp)

set(QUENVO_WIN32_TESTS
  tests/support/TestMain.cpp
  tests/browser/MainDlgTest.cpp
  tests/browser/LifetimeTest.cpp
  tests/browser/NavigationTest.cpp
  tests/browser/KeysTest.cpp
  tests/tabstrip/BrowserTabCtrlTest.cpp
  tests/tabstrip/TabDropTargetTest.cpp
  tests/tabstrip/TabStripSceneTest.cpp
  tests/support/FakeWebBrowser.cpp
  tests/support/FakeWebBrowserDispatch.cpp
  tests/support/FakeWebBrowserEvents.cpp
  tests/support/FakeWebBrowserOle.cpp
  tests/support/HandleTrace.cpp
  tests/browser/HandleTest.cpp
  tests/support/FakeWebBrowserTest.cpp
  tests/app/ResourceTest.cpp
  tests/app/ResourcePictureTest.cpp
  tests/app/StartupTest.cpp
  tests/framework/StrTest.cpp
  tests/framework/DialogTest.cpp
  tests/framework/MessageMapTest.cpp
  tests/browser/SettingsTest.cpp
  tests/browser/WindowArrangeTest.cpp
  tests/collection/CollectionMenuTest.cpp
  tests/browser/MainDlgMenusTest.cpp
  tests/support/ModalDriver.cpp
  tests/expire/ExpirePageDlgTest.cpp
  tests/browser/MainDlgExpireTest.cpp
  tests/support/ScenePicture.cpp
  tests/core/collection/TreeDump.cpp
  tests/collection/TreeMouse.cpp
  tests/collection/FolderTreeCtrlTest.cpp
  tests/collection/CollectionDlgTest.cpp
  tests/collection/CollectionDlgFileTest.cpp
  tests/collection/OrganizerBench.cpp
  tests/browser/MainDlgOrganizerTest.cpp
  tests/support/SheetDriver.cpp
  tests/options/OptionsPagesTest.cpp
  tests/browser/OptionsTest.cpp
  tests/options/OptionsSceneTest.cpp
  tests/stealth/StealthModeTest.cpp
  tests/browser/ProfileSaveTest.cpp
  tests/core/IniFileWin32Test.cpp
)
