#pragma once
// The functions that the host's executable exports by name, in the order in
// which MQInit looks them up (families whole, one after another). This list is
// the only place the names are written: the host function table, the binding
// loop, the stand-in host's exports and the binding test modules all expand it.
//
//   FN(name)                          bound, never called: an untyped entry
//   TYPED(name, result, params, args) called by the commands: a typed entry
//
// cmake/HostModules.cmake reads the names from here.
#include "host_types.h"

#define TK_HOST_FUNCTIONS(FN, TYPED) \
  /* application */ \
  FN(MQ_GetWindowHandle) \
  FN(MQ_CreateObject) \
  FN(MQ_CreateMaterial) \
  FN(MQ_ShowFileDialog) \
  FN(MQ_ImportAxis) \
  FN(MQ_ExportAxis) \
  FN(MQ_LoadImage) \
  FN(MQ_GetSystemPath) \
  FN(MQ_RefreshView) \
  FN(MQ_StationCallback) \
  FN(MQ_SendMessage) \
  /* document */ \
  TYPED(MQDoc_GetObjectCount, int, (MQDocument doc), (doc)) \
  TYPED(MQDoc_GetObject, MQObject, (MQDocument doc, int index), (doc, index)) \
  FN(MQDoc_GetObjectFromUniqueID) \
  FN(MQDoc_GetCurrentObjectIndex) \
  FN(MQDoc_SetCurrentObjectIndex) \
  FN(MQDoc_AddObject) \
  FN(MQDoc_DeleteObject) \
  TYPED(MQDoc_GetObjectIndex, int, (MQDocument doc, MQObject obj), (doc, obj)) \
  FN(MQDoc_GetUnusedObjectName) \
  TYPED(MQDoc_GetMaterialCount, int, (MQDocument doc), (doc)) \
  TYPED(MQDoc_GetMaterial, MQMaterial, (MQDocument doc, int index), (doc, index)) \
  FN(MQDoc_GetMaterialFromUniqueID) \
  FN(MQDoc_GetCurrentMaterialIndex) \
  FN(MQDoc_SetCurrentMaterialIndex) \
  FN(MQDoc_AddMaterial) \
  FN(MQDoc_DeleteMaterial) \
  FN(MQDoc_GetUnusedMaterialName) \
  FN(MQDoc_Compact) \
  FN(MQDoc_ClearSelect) \
  FN(MQDoc_AddSelectVertex) \
  FN(MQDoc_DeleteSelectVertex) \
  FN(MQDoc_IsSelectVertex) \
  FN(MQDoc_AddSelectLine) \
  FN(MQDoc_DeleteSelectLine) \
  FN(MQDoc_IsSelectLine) \
  FN(MQDoc_AddSelectFace) \
  FN(MQDoc_DeleteSelectFace) \
  FN(MQDoc_IsSelectFace) \
  FN(MQDoc_AddSelectUVVertex) \
  FN(MQDoc_DeleteSelectUVVertex) \
  FN(MQDoc_IsSelectUVVertex) \
  FN(MQDoc_FindMappingFile) \
  FN(MQDoc_GetScene) \
  FN(MQDoc_GetMappingImage) \
  FN(MQDoc_GetParentObject) \
  FN(MQDoc_GetChildObjectCount) \
  FN(MQDoc_GetChildObject) \
  FN(MQDoc_GetGlobalMatrix) \
  FN(MQDoc_GetGlobalInverseMatrix) \
  FN(MQDoc_InsertObject) \
  FN(MQDoc_CreateUserData) \
  FN(MQDoc_DeleteUserData) \
  FN(MQDoc_Triangulate) \
  /* scene */ \
  FN(MQScene_InitSize) \
  FN(MQScene_GetProjMatrix) \
  FN(MQScene_GetViewMatrix) \
  FN(MQScene_FloatValue) \
  FN(MQScene_GetVisibleFace) \
  FN(MQScene_IntValue) \
  /* object */ \
  FN(MQObj_Delete) \
  FN(MQObj_Clone) \
  FN(MQObj_Merge) \
  FN(MQObj_Freeze) \
  TYPED(MQObj_GetName, void, (MQObject obj, char* buffer, int size), (obj, buffer, size)) \
  FN(MQObj_GetVertexCount) \
  FN(MQObj_GetVertex) \
  FN(MQObj_SetVertex) \
  FN(MQObj_GetVertexArray) \
  FN(MQObj_GetFaceCount) \
  FN(MQObj_GetFacePointCount) \
  FN(MQObj_GetFacePointArray) \
  FN(MQObj_GetFaceCoordinateArray) \
  FN(MQObj_GetFaceMaterial) \
  FN(MQObj_GetFaceUniqueID) \
  FN(MQObj_GetFaceIndexFromUniqueID) \
  TYPED(MQObj_SetName, void, (MQObject obj, const char* name), (obj, name)) \
  FN(MQObj_AddVertex) \
  FN(MQObj_DeleteVertex) \
  FN(MQObj_GetVertexRefCount) \
  FN(MQObj_GetVertexUniqueID) \
  FN(MQObj_GetVertexIndexFromUniqueID) \
  FN(MQObj_GetVertexRelatedFaces) \
  FN(MQObj_GetVertexWeight) \
  FN(MQObj_SetVertexWeight) \
  FN(MQObj_CopyVertexAttribute) \
  FN(MQObj_AddFace) \
  FN(MQObj_InsertFace) \
  FN(MQObj_DeleteFace) \
  FN(MQObj_InvertFace) \
  FN(MQObj_SetFaceMaterial) \
  FN(MQObj_SetFaceCoordinateArray) \
  FN(MQObj_GetFaceVertexColor) \
  FN(MQObj_SetFaceVertexColor) \
  FN(MQObj_GetFaceEdgeCrease) \
  FN(MQObj_SetFaceEdgeCrease) \
  FN(MQObj_GetFaceVisible) \
  FN(MQObj_SetFaceVisible) \
  FN(MQObj_OptimizeVertex) \
  FN(MQObj_Compact) \
  FN(MQObj_GetVisible) \
  FN(MQObj_SetVisible) \
  FN(MQObj_GetPatchType) \
  FN(MQObj_SetPatchType) \
  FN(MQObj_GetPatchSegment) \
  FN(MQObj_SetPatchSegment) \
  FN(MQObj_GetShading) \
  FN(MQObj_SetShading) \
  FN(MQObj_GetSmoothAngle) \
  FN(MQObj_SetSmoothAngle) \
  FN(MQObj_GetMirrorType) \
  FN(MQObj_SetMirrorType) \
  FN(MQObj_GetMirrorAxis) \
  FN(MQObj_SetMirrorAxis) \
  FN(MQObj_GetMirrorDistance) \
  FN(MQObj_SetMirrorDistance) \
  FN(MQObj_GetLatheType) \
  FN(MQObj_SetLatheType) \
  FN(MQObj_GetLatheAxis) \
  FN(MQObj_SetLatheAxis) \
  FN(MQObj_GetLatheSegment) \
  FN(MQObj_SetLatheSegment) \
  TYPED(MQObj_GetIntValue, int, (MQObject obj, int attribute), (obj, attribute)) \
  FN(MQObj_GetFloatArray) \
  TYPED(MQObj_SetIntValue, void, (MQObject obj, int attribute, int value), (obj, attribute, value)) \
  FN(MQObj_SetFloatArray) \
  FN(MQObj_PointerArray) \
  FN(MQObj_AllocUserData) \
  FN(MQObj_FreeUserData) \
  FN(MQObj_GetUserData) \
  FN(MQObj_SetUserData) \
  FN(MQObj_AllocVertexUserData) \
  FN(MQObj_FreeVertexUserData) \
  FN(MQObj_GetVertexUserData) \
  FN(MQObj_SetVertexUserData) \
  FN(MQObj_AllocFaceUserData) \
  FN(MQObj_FreeFaceUserData) \
  FN(MQObj_GetFaceUserData) \
  FN(MQObj_SetFaceUserData) \
  /* material */ \
  FN(MQMat_Delete) \
  TYPED(MQMat_GetIntValue, int, (MQMaterial mat, int attribute), (mat, attribute)) \
  FN(MQMat_GetFloatArray) \
  TYPED(MQMat_GetName, void, (MQMaterial mat, char* buffer, int size), (mat, buffer, size)) \
  FN(MQMat_GetColor) \
  FN(MQMat_GetAlpha) \
  FN(MQMat_GetDiffuse) \
  FN(MQMat_GetAmbient) \
  FN(MQMat_GetEmission) \
  FN(MQMat_GetSpecular) \
  FN(MQMat_GetPower) \
  FN(MQMat_GetTextureName) \
  FN(MQMat_GetAlphaName) \
  FN(MQMat_GetBumpName) \
  FN(MQMat_SetIntValue) \
  FN(MQMat_SetFloatArray) \
  TYPED(MQMat_SetName, void, (MQMaterial mat, const char* name), (mat, name)) \
  FN(MQMat_SetColor) \
  FN(MQMat_SetAlpha) \
  FN(MQMat_SetDiffuse) \
  FN(MQMat_SetAmbient) \
  FN(MQMat_SetEmission) \
  FN(MQMat_SetSpecular) \
  FN(MQMat_SetPower) \
  FN(MQMat_SetTextureName) \
  FN(MQMat_SetAlphaName) \
  FN(MQMat_SetBumpName) \
  FN(MQMat_AllocUserData) \
  FN(MQMat_FreeUserData) \
  FN(MQMat_GetUserData) \
  FN(MQMat_SetUserData) \
  FN(MQMat_GetValueArray) \
  FN(MQMat_SetValueArray) \
  /* single names, looked up last: 5 */ \
  FN(MQMatrix_FloatValue) \
  FN(MQXmlElem_Value) \
  FN(MQXmlDoc_Value) \
  FN(MQWidget_Value) \
  FN(MQCanvas_Value) \
/* end of list */

#define TK_HOST_COUNT_ONE(...) +1
#define TK_HOST_FUNCTION_COUNT (0 TK_HOST_FUNCTIONS(TK_HOST_COUNT_ONE, TK_HOST_COUNT_ONE))
static_assert(TK_HOST_FUNCTION_COUNT == 177, "the host exports 177 functions");
