// Script adapters and definition types derived from a function's C++
// signature, so that what a definition declares and what the code takes can
// never drift apart.
//
// Slot rules (REAPER's vararg convention): an int is the low 32 bits of its
// slot, a bool is the whole slot being non-zero, a double is read through the
// address in the slot, pointers pass unchanged. Int, bool and pointer results
// come back as the pointer-sized result; a double result is written through
// the address held in the slot after the last parameter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "host/reaper_types.h"

namespace ko_host {

template <class T>
struct type_text;
#define KO_TYPE_TEXT(T, TEXT)                      \
    template <>                                    \
    struct type_text<T> {                          \
        static constexpr const char* value = TEXT; \
    };
KO_TYPE_TEXT(void, "void")
KO_TYPE_TEXT(int, "int")
KO_TYPE_TEXT(bool, "bool")
KO_TYPE_TEXT(double, "double")
KO_TYPE_TEXT(int*, "int*")
KO_TYPE_TEXT(bool*, "bool*")
KO_TYPE_TEXT(double*, "double*")
KO_TYPE_TEXT(char*, "char*")
KO_TYPE_TEXT(const char*, "const char*")
KO_TYPE_TEXT(void*, "void*")
KO_TYPE_TEXT(ReaProject*, "ReaProject*")
KO_TYPE_TEXT(MediaTrack*, "MediaTrack*")
KO_TYPE_TEXT(MediaItem*, "MediaItem*")
KO_TYPE_TEXT(MediaItem_Take*, "MediaItem_Take*")
KO_TYPE_TEXT(PCM_source*, "PCM_source*")
#undef KO_TYPE_TEXT

// Reads one slot as the parameter type T.
template <class T>
T from_slot(void* slot) noexcept {
    if constexpr (std::is_same_v<T, int>) {
        return static_cast<int>(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(slot)));
    } else if constexpr (std::is_same_v<T, bool>) {
        return slot != nullptr;
    } else if constexpr (std::is_same_v<T, double>) {
        return *static_cast<const double*>(slot);
    } else {
        static_assert(std::is_pointer_v<T>, "a slot holds an int, a bool, a double or a pointer");
        return reinterpret_cast<T>(slot);
    }
}

// Packs a result into the pointer-sized return value.
template <class T>
void* to_slot(T value) noexcept {
    if constexpr (std::is_same_v<T, bool>) {
        return reinterpret_cast<void*>(static_cast<std::uintptr_t>(value ? 1 : 0));
    } else if constexpr (std::is_integral_v<T>) {
        return reinterpret_cast<void*>(static_cast<std::intptr_t>(value));
    } else {
        static_assert(std::is_pointer_v<T>, "a result is an int, a bool or a pointer");
        return const_cast<void*>(reinterpret_cast<const void*>(value));
    }
}

template <class F>
struct signature;
template <class R, class... A>
struct signature<R (*)(A...)> {
    using result = R;
    using params = std::tuple<A...>;
};
template <class R, class... A>
struct signature<R (*)(A...) noexcept> : signature<R (*)(A...)> {};

template <class... T>
std::string join_types() {
    std::string out;
    ((out += (out.empty() ? "" : ","), out += type_text<T>::value), ...);
    return out;
}

template <class Tuple, class Seq>
struct leading;
template <class Tuple, std::size_t... I>
struct leading<Tuple, std::index_sequence<I...>> {
    using type = std::tuple<std::tuple_element_t<I, Tuple>...>;
};
// All parameters but the last one.
template <class Tuple>
using leading_t = typename leading<Tuple, std::make_index_sequence<std::tuple_size_v<Tuple> - 1>>::type;

// The adapter of an operation whose parameters are the definition's
// parameters and whose result is the definition's result.
template <auto F, class Params = typename signature<decltype(F)>::params>
struct plain_adapter;
template <auto F, class... A>
struct plain_adapter<F, std::tuple<A...>> {
    using R = typename signature<decltype(F)>::result;

    static void* call(void** arglist, int numparms) noexcept {
        return invoke(arglist, numparms, std::index_sequence_for<A...>{});
    }
    template <std::size_t... I>
    static void* invoke(void** arglist, int numparms, std::index_sequence<I...>) noexcept {
        (void)arglist;
        (void)numparms;
        if constexpr (std::is_void_v<R>) {
            F(from_slot<A>(arglist[I])...);
            return nullptr;
        } else if constexpr (std::is_floating_point_v<R>) {
            *static_cast<double*>(arglist[sizeof...(A)]) = F(from_slot<A>(arglist[I])...);
            return nullptr;
        } else {
            return to_slot<R>(F(from_slot<A>(arglist[I])...));
        }
    }
    static std::string param_types() { return join_types<A...>(); }
    static std::string return_type() { return type_text<R>::value; }
};

// The adapter of a value-returning getter: the operation ends in a pointer
// through which it writes its value and answers a success flag; the
// definition declares the value as the result and omits the pointer. The
// adapter supplies the value's storage itself.
template <auto F, class Lead = leading_t<typename signature<decltype(F)>::params>>
struct value_adapter;
template <auto F, class... L>
struct value_adapter<F, std::tuple<L...>> {
    using Params = typename signature<decltype(F)>::params;
    using Out = std::tuple_element_t<std::tuple_size_v<Params> - 1, Params>;
    using T = std::remove_pointer_t<Out>;
    static_assert(std::is_pointer_v<Out> && (std::is_same_v<T, int> || std::is_same_v<T, bool>),
                  "a value getter ends in an int* or a bool*");

    static void* call(void** arglist, int numparms) noexcept {
        return invoke(arglist, numparms, std::index_sequence_for<L...>{});
    }
    template <std::size_t... I>
    static void* invoke(void** arglist, int numparms, std::index_sequence<I...>) noexcept {
        (void)arglist;
        (void)numparms;
        T value{};
        F(from_slot<L>(arglist[I])..., &value);
        return to_slot<T>(value);
    }
    // The native function in the definition's own form.
    static T native(L... args) noexcept {
        T value{};
        F(args..., &value);
        return value;
    }
    static std::string param_types() { return join_types<L...>(); }
    static std::string return_type() { return type_text<T>::value; }
};

// A function pointer as the untyped pointer REAPER's registry takes.
template <class Fn>
void* untyped(Fn fn) noexcept {
    static_assert(sizeof(Fn) == sizeof(void*), "function pointers are pointer-sized");
    void* out = nullptr;
    static_assert(std::is_trivially_copyable_v<Fn>);
    __builtin_memcpy(&out, &fn, sizeof out);
    return out;
}

}  // namespace ko_host
