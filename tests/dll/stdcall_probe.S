# stdcall_probe: calls a 32-bit stdcall function the way a host does and
# reports what the callee did to the stack and the registers it must keep.
#
#   const char* stdcall_probe(const void* function, unsigned argument_count,
#                             unsigned first, unsigned second, unsigned report[2]);
#
# report[0]: bytes of arguments the callee removed (stdcall: all of them);
# report[1]: 1 when EBX, ESI, EDI and EBP came back with the values they had.
# Not reentrant: it parks the frame pointer in memory while the callee runs.

    .data
saved_ebp:  .long 0
entry_esp:  .long 0

    .text
    .globl _stdcall_probe
_stdcall_probe:
    pushl   %ebp
    movl    %esp, %ebp
    pushl   %ebx
    pushl   %esi
    pushl   %edi
    movl    8(%ebp), %eax           # the function
    movl    %esp, entry_esp
    cmpl    $2, 12(%ebp)
    jne     1f
    pushl   20(%ebp)                # second argument, pushed first
1:  pushl   16(%ebp)                # first argument
    movl    %ebp, saved_ebp
    movl    $0x1badb002, %ebx       # values the callee must give back
    movl    $0x2badb003, %esi
    movl    $0x3badb004, %edi
    movl    $0x4badb005, %ebp
    call    *%eax                   # result in eax, kept to the end
    xorl    %ecx, %ecx
    cmpl    $0x1badb002, %ebx
    jne     2f
    cmpl    $0x2badb003, %esi
    jne     2f
    cmpl    $0x3badb004, %edi
    jne     2f
    cmpl    $0x4badb005, %ebp
    jne     2f
    movl    $1, %ecx
2:  movl    saved_ebp, %ebp
    movl    entry_esp, %edx
    subl    %esp, %edx              # bytes the callee left on the stack
    movl    entry_esp, %esp
    movl    %ecx, %esi              # the registers' verdict
    movl    12(%ebp), %ecx
    shll    $2, %ecx                # bytes pushed
    subl    %edx, %ecx              # bytes removed by the callee
    movl    24(%ebp), %edx
    movl    %ecx, (%edx)
    movl    %esi, 4(%edx)
    popl    %edi
    popl    %esi
    popl    %ebx
    popl    %ebp
    ret
