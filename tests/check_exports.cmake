# Checks the dynamic symbol table of each deliverable: the entry points and
# the operations are there; nothing of Lua, of the C++ runtime's templates or
# of the bound host-function variables leaks out.
string(REPLACE "|" ";" libs "${LIBS}")
foreach(lib ${libs})
  execute_process(COMMAND nm -D --defined-only ${lib} OUTPUT_VARIABLE symbols RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "nm failed on ${lib}")
  endif()
  foreach(wanted ReaperPluginEntry REAPERAPI_LoadAPI roadApi __vararg_GetMediaItemSelect __verarg_empty
                 _ZN6ko_api9mediaItem18GetMediaItemSelectEP10ReaProjectii _ZN10ko_utility7StricmpEPKcS1_
                 _ZTVN9ko_object7ko_PathE _ZN6ko_api6cursol21GetPlayCursorPositionEP10ReaProjectPd
                 _ZN10ko_utility6formatIJPKcEEENSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEES2_DpT_)
    string(FIND "${symbols}" " ${wanted}\n" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${lib} does not export ${wanted}")
    endif()
  endforeach()
  foreach(unwanted " lua_" " luaL_" " luaopen_base" " GetMediaItem\n" " plugin_register\n" "_ZNSt" "_ZNKSt" "ko_sim")
    string(FIND "${symbols}" "${unwanted}" at)
    if(NOT at EQUAL -1)
      message(FATAL_ERROR "${lib} exports${unwanted}")
    endif()
  endforeach()
  string(REGEX MATCHALL "__vararg_[A-Za-z]+" adapters "${symbols}")
  list(LENGTH adapters count)
  if(NOT count EQUAL 169)
    message(FATAL_ERROR "${lib} exports ${count} adapters, not 169")
  endif()
endforeach()
