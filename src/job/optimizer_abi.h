// The binary interface between the program and the optimizer library ("demo").
//
// Both sides include this header and nothing else of each other. The library is
// loaded at run time, so everything here is part of a binary contract:
//   - the interfaces are plain abstract classes without data and without a
//     virtual destructor; the order of the operations is their slot order in
//     the virtual table and must never change;
//   - only fixed-width integers, double, bytes and raw pointers cross the
//     boundary; no standard library type, no exception (every entry point of the
//     library catches everything it could throw);
//   - whoever allocates an object frees it; text pointers are valid only during
//     the call that passes them.
#ifndef KALOMAX_JOB_OPTIMIZER_ABI_H
#define KALOMAX_JOB_OPTIMIZER_ABI_H

#include <cstdint>

// Calling convention of every operation and export: the callee removes its
// arguments on 32-bit Windows; elsewhere the platform's one convention applies.
#if defined(_WIN32) && !defined(_WIN64)
#define KX_OPTIMIZER_CALL __stdcall
#else
#define KX_OPTIMIZER_CALL
#endif

// The library defines KX_OPTIMIZER_BUILD while it is compiled.
#if defined(_WIN32)
#if defined(KX_OPTIMIZER_BUILD)
#define KX_OPTIMIZER_EXPORT __declspec(dllexport)
#else
#define KX_OPTIMIZER_EXPORT __declspec(dllimport)
#endif
#else
#define KX_OPTIMIZER_EXPORT __attribute__((visibility("default")))
#endif

// Receives one order (implemented by the library, called by the program).
class IOrderTarget {
public:
    virtual void KX_OPTIMIZER_CALL SetProfileCode(const char* text) = 0;  // slot 0
    virtual void KX_OPTIMIZER_CALL SetMaterial(const char* text) = 0;     // slot 1
    virtual void KX_OPTIMIZER_CALL SetColor(const char* text) = 0;        // slot 2
    virtual void KX_OPTIMIZER_CALL SetIdentifier(const char* text) = 0;   // slot 3
    virtual void KX_OPTIMIZER_CALL SetLength(double length) = 0;          // slot 4
    virtual void KX_OPTIMIZER_CALL SetQuantity(int32_t quantity) = 0;     // slot 5
    virtual void KX_OPTIMIZER_CALL SetTypeIndex(int32_t typeIndex) = 0;   // slot 6

protected:
    ~IOrderTarget() = default;
};

// One distinct piece length of one type of bar (implemented by the library).
class IItemToBeCutSource {
public:
    virtual double KX_OPTIMIZER_CALL ItemLength() = 0;       // slot 0
    virtual int32_t KX_OPTIMIZER_CALL ItemQuantity() = 0;    // slot 1
    virtual int32_t KX_OPTIMIZER_CALL IdentifierCount() = 0; // slot 2
    // Writes the count of identifier `index` through `count` and returns its
    // NUL-terminated text. `reserved` points to an 8-byte area the library may
    // fill; the program does not read it.
    virtual const char* KX_OPTIMIZER_CALL Identifier(int32_t index, int32_t* count,
                                                     void* reserved) = 0; // slot 3

protected:
    ~IItemToBeCutSource() = default;
};

// One cutting layout (implemented by the library).
class IOptimizedResultSource {
public:
    virtual double KX_OPTIMIZER_CALL BarLength() = 0;                 // slot 0
    virtual double KX_OPTIMIZER_CALL UsedLength() = 0;                // slot 1
    virtual int32_t KX_OPTIMIZER_CALL BarCount() = 0;                 // slot 2
    virtual int32_t KX_OPTIMIZER_CALL ItemCount() = 0;                // slot 3
    virtual int32_t KX_OPTIMIZER_CALL PiecesOfItem(int32_t index) = 0; // slot 4

protected:
    ~IOptimizedResultSource() = default;
};

// A callback with one operation (the program passes one for the progress).
template <typename Argument>
class IDelegate {
public:
    virtual void KX_OPTIMIZER_CALL Invoke(Argument value) = 0; // slot 0

protected:
    ~IDelegate() = default;
};

// The snapshot of a job and its stock, and the receiver of the cutting plan
// (implemented by the program, called by the library from inside
// LaunchOptimizerDLL only).
class IOptimizer {
public:
    virtual int32_t KX_OPTIMIZER_CALL OrderCount() = 0;                                   // slot 0
    virtual void KX_OPTIMIZER_CALL ReadOrder(int32_t orderIndex, IOrderTarget* target) = 0; // slot 1
    virtual void KX_OPTIMIZER_CALL AddItemToBeCut(int32_t typeIndex,
                                                  IItemToBeCutSource* source) = 0;        // slot 2
    virtual void KX_OPTIMIZER_CALL AddOptimizedResult(int32_t typeIndex,
                                                      IOptimizedResultSource* source) = 0; // slot 3
    virtual void KX_OPTIMIZER_CALL ReadStockBar(int32_t typeIndex, int32_t stockIndex,
                                                double* length, int32_t* quantity) = 0;  // slot 4
    virtual double KX_OPTIMIZER_CALL DefaultLength(int32_t typeIndex) = 0;                // slot 5
    virtual int32_t KX_OPTIMIZER_CALL StockBarCount(int32_t typeIndex) = 0;               // slot 6
    virtual uint8_t KX_OPTIMIZER_CALL ReuseStubs() = 0;                                   // slot 7
    virtual double KX_OPTIMIZER_CALL MinReusedLength(int32_t typeIndex) = 0;              // slot 8
    virtual double KX_OPTIMIZER_CALL MaxWasteLength(int32_t typeIndex) = 0;               // slot 9

protected:
    ~IOptimizer() = default;
};

// The three exports of the library, looked up by these exact names. The
// program ignores their results; the library returns one of the
// KX_OPTIMIZER_* codes below.
enum : int32_t {
    KX_OPTIMIZER_DONE = 0,     // the whole plan was delivered
    KX_OPTIMIZER_STOPPED = 1,  // StopOptimizerDLL ended the run; the plan may be partial
    KX_OPTIMIZER_REJECTED = -1 // null optimizer, a run already in progress, or an internal failure
};

extern "C" {
typedef int32_t(KX_OPTIMIZER_CALL* SetDelegateProgressStepItDLLFunc)(IDelegate<int>* progress);
typedef int32_t(KX_OPTIMIZER_CALL* LaunchOptimizerDLLFunc)(IOptimizer* optimizer,
                                                           double sawThickness);
typedef int32_t(KX_OPTIMIZER_CALL* StopOptimizerDLLFunc)();

// Sets the progress callback of the next runs (may be null). Call it before
// LaunchOptimizerDLL, not while a run is in progress. It also clears a stop
// request left over from an earlier run.
KX_OPTIMIZER_EXPORT int32_t KX_OPTIMIZER_CALL SetDelegateProgressStepItDLL(IDelegate<int>* progress);
// Reads the job through `optimizer`, hands the cutting plan back through it and
// returns when the plan is complete or the run was stopped.
KX_OPTIMIZER_EXPORT int32_t KX_OPTIMIZER_CALL LaunchOptimizerDLL(IOptimizer* optimizer,
                                                                 double sawThickness);
// Asks a running LaunchOptimizerDLL to return soon; safe from any thread.
KX_OPTIMIZER_EXPORT int32_t KX_OPTIMIZER_CALL StopOptimizerDLL();

// Optional fourth export, looked up by name; a library without it proves nothing. After
// LaunchOptimizerDLL has returned: the fewest bars any plan of the last run could use for
// the type, as the library proved it, or -1 when it has no such bound.
typedef int32_t(KX_OPTIMIZER_CALL* LowerBoundDLLFunc)(int32_t typeIndex);
KX_OPTIMIZER_EXPORT int32_t KX_OPTIMIZER_CALL LowerBoundDLL(int32_t typeIndex);
}

#endif // KALOMAX_JOB_OPTIMIZER_ABI_H
